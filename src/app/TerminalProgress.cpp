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
    if (m_terminal && (done == total || stop || m_clock.elapsed() >= m_nextMs)) {
        std::fprintf(stderr, "\rImprimiendo hoja %lld de %lld (número %s)\033[K", qlonglong(done),
                     qlonglong(total), number.toLocal8Bit().constData());
        if (stop)
            std::fputc('\n', stderr); // the message about the last number starts on its own line
        std::fflush(stderr);
        m_wrote = !stop;
        m_nextMs = m_clock.elapsed() + kRefreshMs;
    }
    return !stop;
}
