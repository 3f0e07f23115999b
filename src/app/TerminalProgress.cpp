#include "TerminalProgress.h"

#include "StopSignals.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr qint64 kRefreshMs = 200;

} // namespace

TerminalProgress::TerminalProgress() : m_terminal(isatty(STDERR_FILENO) == 1)
{
    m_clock.start();
}

TerminalProgress::~TerminalProgress()
{
    if (m_wrote)
        std::fputc('\n', stderr);
}

bool TerminalProgress::sheetPrinted(qint64 done, qint64 total, const QString &number)
{
    const bool stop = StopSignals::received() != 0;
    m_sent = done;
    m_total = total;
    m_number = number;
    show(done == total || stop);
    if (stop && m_wrote) {
        std::fputc('\n', stderr); // the message about the last number starts on its own line
        m_wrote = false;
    }
    return !stop;
}

void TerminalProgress::printerConfirmed(qint64 confirmed, qint64 total, const QString &, const QString &)
{
    m_confirmed = confirmed;
    m_total = total;
    show(confirmed == total);
}

void TerminalProgress::printerState(const QString &words)
{
    m_state = words;
    show(true);
}

bool TerminalProgress::keepWaiting()
{
    show(false);
    return StopSignals::received() == 0;
}

void TerminalProgress::show(bool now)
{
    if (!m_terminal || (!now && m_clock.elapsed() < m_nextMs))
        return;
    QString line;
    if (m_confirms) {
        line = tr("Enviadas %1 de %2 hojas (número %3); la impresora terminó %4")
                   .arg(QString::number(m_sent), QString::number(m_total), m_number,
                        QString::number(m_confirmed));
        if (!m_state.isEmpty())
            line += QStringLiteral(". ") + m_state;
    } else {
        line = tr("Imprimiendo hoja %1 de %2 (número %3)")
                   .arg(QString::number(m_sent), QString::number(m_total), m_number);
    }
    // Back to the line's start, and whatever a longer line before left is cleared.
    std::fprintf(stderr, "\r%s\033[K", line.toLocal8Bit().constData());
    std::fflush(stderr);
    m_wrote = true;
    m_nextMs = m_clock.elapsed() + kRefreshMs;
}
