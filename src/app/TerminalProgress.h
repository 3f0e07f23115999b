#pragma once

#include "RunObserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

// The progress of a run without a window: a line on standard error when it is a terminal. A stop
// signal (StopSignals: Ctrl+C, SIGTERM, SIGHUP) ends the run after the sheet under way, as
// "Cancelar" does in the window.
class TerminalProgress final : public RunObserver
{
    Q_DECLARE_TR_FUNCTIONS(TerminalProgress)

public:
    TerminalProgress();
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;

    RunObserver *observer() { return this; }
    bool sheetPrinted(qint64 done, qint64 total, const QString &number) override;
    // On a queue the line shows the sheets sent and those the printer completed, and the
    // printer's state; a stop signal also ends the wait for the printer. A stopped printer
    // stops the run: there is nobody to ask whether to wait.
    void printerConfirms() override { m_confirms = true; }
    void printerConfirmed(qint64 confirmed, qint64 total, const QString &lastNumber,
                          const QString &jobs) override;
    void printerState(const QString &words) override;
    bool keepWaiting() override;

private:
    void show(bool now);
    bool m_confirms = false;
    qint64 m_sent = 0, m_confirmed = 0, m_total = 0;
    QString m_number, m_state;
    bool m_terminal;
    bool m_wrote = false;
    QElapsedTimer m_clock;
    qint64 m_nextMs = 0;
};
