#include "Logging.h"
#include "RuntimeError.h"

#include <QString>

Q_LOGGING_CATEGORY(lcApp, "tessarino.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "tessarino.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPrint, "tessarino.print", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLang, "tessarino.lang", QtInfoMsg)
Q_LOGGING_CATEGORY(lcShell, "tessarino.shell", QtInfoMsg)

QString describeFailure(const std::exception &failure)
{
    if (const auto *error = dynamic_cast<const RuntimeError *>(&failure))
        return QStringLiteral("%1 (%2)").arg(error->description()).arg(error->number());
    return QString::fromLocal8Bit(failure.what());
}
