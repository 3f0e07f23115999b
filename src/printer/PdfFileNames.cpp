#include "PdfFileNames.h"

#include <QDir>
#include <QFileInfo>

namespace PdfFileNames {

QString next(const QString &folder, const QDateTime &when)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    const QString stem = QStringLiteral("Tessarino ") + when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    return path;
}

} // namespace PdfFileNames
