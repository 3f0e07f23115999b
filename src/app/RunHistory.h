#pragma once

#include "JobFile.h"
#include "RunAside.h"
#include "RunLog.h"
#include "RunRecorder.h"
#include "SameNumberRun.h"
#include "SheetSpan.h"
#include "TicketReplacement.h"

#include <QObject>
#include <functional>

class Dialogs;
class frmProgreso;
class PrinterSurface;
class ProfileFiles;
class QMenu;
class QAction;
class QWidget;
class RunObserver;

// The run log seen from the main window: every run the window prints is recorded with a copy
// of its job; after a cancelled run the end message offers to go on from the next sheet; the
// Herramientas entries show the log and reprint sheets of a logged run from its copy, on the
// current printer, without touching the open job.
class RunHistory final : public QObject
{
public:
    struct Services
    {
        QString logFolder;
        const ProfileFiles &profiles;
        Dialogs &dialogs;
        PrinterSurface &printer;
        QWidget *window;
    };
    struct Job
    {
        std::function<JobFile::Saved()> saved; // the open job as a save would write it
        std::function<QString()> name;         // its file, or its "Nuevo N" name
    };

    // `log` and `reprint` are the Herramientas menu's entries of the main window's form.
    RunHistory(const Services &services, Job job, QAction *log, QAction *reprint, QObject *owner);

    // A run of the open job's `page`: `run` prints it, reporting to the observer it is given.
    // `run` prints through aside(), so the window stays usable while it prints (the progress
    // window runs no event loop of its own); the run works on the values it was given, and what
    // the window sets on the printer meanwhile waits until it ends.
    // `boletos` names the tickets of a replacement (TicketReplacement) in the log.
    RunOutcome print(int page, const std::function<RunOutcome(RunObserver *)> &run,
                     const QString &boletos = QString());

    // The printing of a run given to print() or reprint(), on a thread of its own that takes
    // turns with the window (RunAside), so that it goes on while the user works in a dialog.
    // `observer` is the one the run was given; `print` gets the run's own observer and dialogs.
    RunOutcome aside(RunObserver *observer, const RunAside::Print &print);

    // Another print while a run is under way is refused: true after the message that names the
    // running job and its printer. False, with nothing said, when no run is under way.
    bool refusedWhilePrinting();
    // The window asks before closing: true while a run is under way. With parts at the printer
    // the user chooses to wait for them or to stop the run; either way the window closes once
    // the run has ended.
    bool holdsClosing();
    bool printing() const { return m_progress != nullptr; }

    // Sheets `span` of the logged `run`, from its copy of the job.
    // With `tickets`, only those tickets instead, each at its place (TicketReplacement).
    RunOutcome reprint(const RunLog::Run &run, const SheetSpan &span,
                       const TicketReplacement::Request *tickets = nullptr);

    // "Registro de impresiones..." and "Reimprimir hojas...".
    void showLog();
    void chooseReprint(const QString &runId);

    const RunLog &log() const { return m_log; }
    QAction *mnuRegistro = nullptr;
    QAction *mnuReimprimir = nullptr;

private:
    // The end of a stopped run: how far it went, and "Continuar" while sheets are left (unless
    // the window is closing).
    void stopped(const RunLog::Run &run);
    // `run` under the progress window, logged as `job`; then its log problem and, when
    // cancelled, where it stopped.
    RunOutcome recorded(RunRecorder::Job job, const std::function<RunOutcome(RunObserver *)> &run);
    void logProblem(const QString &problem);
    // No run under way any more: what the window set on the printer meanwhile goes to it.
    void runEnded();

    Services m_services;
    Job m_job;
    RunLog m_log;
    // The run under way: its progress window, job and printer.
    frmProgreso *m_progress = nullptr;
    QString m_runJob, m_runPrinter;
    bool m_closeAfterRun = false;
};
