#include "ConsoleDialogs.h"

int ConsoleDialogs::message(const QString &text, const QString &, Icon, Buttons buttons)
{
    ++m_shown;
    std::fputs(text.toLocal8Bit().constData(), m_stream);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Yes;
    default:
        return Ok;
    }
}
