#include "ConsoleDialogs.h"

#include <QRegularExpression>

void ConsoleDialogs::showFilesOf(const QString &folder, const QString &file)
{
    m_folder = folder;
    m_file = file;
}

int ConsoleDialogs::message(const QString &text, const QString &, Icon, Buttons buttons)
{
    ++m_shown;
    QString shown = text;
    if (!m_folder.isEmpty())
        shown.replace(
            QRegularExpression(QRegularExpression::escape(m_folder + u'/') + QStringLiteral("[^\"/]*")),
            m_file);
    std::fputs(shown.toLocal8Bit().constData(), m_stream);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        if (m_yes)
            return Yes;
        ++m_refused;
        return No;
    default:
        return Ok;
    }
}
