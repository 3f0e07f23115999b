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
    if (m_confirms)
        std::fprintf(stderr, "\rEnviadas %lld de %lld hojas (número %s); la impresora terminó %lld%s%s\033[K",
                     qlonglong(m_sent), qlonglong(m_total), m_number.toLocal8Bit().constData(),
                     qlonglong(m_confirmed), m_state.isEmpty() ? "" : ". ",
                     m_state.toLocal8Bit().constData());
    else
        std::fprintf(stderr, "\rImprimiendo hoja %lld de %lld (número %s)\033[K", qlonglong(m_sent),
                     qlonglong(m_total), m_number.toLocal8Bit().constData());
    std::fflush(stderr);
    m_wrote = true;
    m_nextMs = m_clock.elapsed() + kRefreshMs;
}
