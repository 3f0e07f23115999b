#pragma once

#include "RunObserver.h"

#include <QElapsedTimer>

// The progress of a run without a window: a line on standard error when it is a terminal. A stop
// signal (StopSignals: Ctrl+C, SIGTERM, SIGHUP) ends the run after the sheet under way, as
// "Cancelar" does in the window.
class TerminalProgress final : public RunObserver
{
public:
    TerminalProgress();
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    RunObserver *observer() { return this; }
    bool sheetPrinted(qint64 done, qint64 total, const QString &number) override;

private:
    bool m_terminal;
    bool m_wrote = false;
    QElapsedTimer m_clock;
    qint64 m_nextMs = 0;
};
