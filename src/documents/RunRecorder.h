#pragma once

#include "JobFile.h"
#include "RunLog.h"
#include "RunObserver.h"
#include "SameNumberRun.h"

#include <optional>

class PrinterSurface;
class ProfileFiles;

// Writes one run into the run log while passing every sheet on to the progress it wraps: the
// copy of the job and the first line as the run starts, the last line from finish(). A run that
// its checks refused never starts and leaves nothing; nor does one whose copy or first line
// cannot be written (runStarting() throws the RuntimeError that says why).
class RunRecorder final : public RunObserver
{
public:
    struct Job
    {
        QString trabajo;
        QString impresora;
        int pagina = 0;
        // The job to keep a copy of, or nothing when `copia` already holds one (a reprint).
        std::optional<JobFile::Saved> saved;
        QString copia;
        qint64 hojaInicial = 1;
        QString boletos; // a replacement's tickets
        QString origen;  // the run it replaces tickets of, or continues
    };

    RunRecorder(const RunLog &log, const ProfileFiles &profiles, Job job, RunObserver *progress);

    bool sheetPrinted(qint64 done, qint64 total, const QString &number) override;
    void runStarting(qint64 total) override;
    // On a printer that confirms its parts the log counts only what the printer completed, and
    // its line and the parts file (RunLog::partsPath) are brought up to date as each part does.
    void printerConfirms() override;
    void printerConfirmed(qint64 confirmed, qint64 total, const QString &lastNumber,
                          const QString &jobs) override;
    void printerState(const QString &words) override;
    bool keepWaiting() override { return !m_progress || m_progress->keepWaiting(); }
    bool waitsForStoppedPrinter() const override
    {
        return m_progress && m_progress->waitsForStoppedPrinter();
    }
    bool tellsWhereStopped() const override
    {
        return m_tells || (m_progress && m_progress->tellsWhereStopped());
    }
    // The caller tells the user how far a stopped run went (it offers to go on from there).
    void setTellsWhereStopped(bool tells) { m_tells = tells; }

    // The run's last line, after `outcome`. Returns why it could not be written; empty when it
    // went in, or when the run never started.
    QString finish(RunOutcome outcome);

    bool started() const { return m_started; }
    const RunLog::Run &run() const { return m_run; }

    // The queue's name of the printer the run goes to.
    static QString printerName(const PrinterSurface &printer);

private:
    const RunLog &m_log;
    const ProfileFiles &m_profiles;
    std::optional<JobFile::Saved> m_saved;
    RunObserver *m_progress;
    RunLog::Run m_run;
    bool m_started = false;
    bool m_tells = false;
    bool m_confirms = false;
    QString m_first;              // the number on the run's first sheet
    QStringList m_unconfirmed;    // the numbers of the sheets handed over and not yet confirmed
    qint64 m_unconfirmedFrom = 0; // the run's sheet (from 0) of m_unconfirmed's first
    QStringList m_partLines;      // the parts file's line of each part so far
    void writeParts(const QString &jobs);
};
