#include "RunHistory.h"

#include "Dialogs.h"
#include "JobDocument.h"
#include "JobFile.h"
#include "JobRun.h"
#include "Logging.h"
#include "PrintJob.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "RunRecorder.h"
#include "RunText.h"
#include "RuntimeError.h"
#include "Texts.h"
#include "frmProgreso.h"
#include "frmRegistro.h"
#include "frmReimprimir.h"

#include "RunReconcile.h"
#include <QAction>

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <utility>

RunHistory::RunHistory(const Services &services, Job job, QAction *log, QAction *reprint, QObject *owner)
    : QObject(owner), mnuRegistro(log), mnuReimprimir(reprint), m_services(services), m_job(std::move(job)),
      m_log(services.logFolder)
{
    Texts::bindCaption(mnuRegistro, 3010);
    Texts::bindCaption(mnuReimprimir, 3011);
    connect(mnuRegistro, &QAction::triggered, this, &RunHistory::showLog);
    connect(mnuReimprimir, &QAction::triggered, this, [this] { chooseReprint(QString()); });
    // Runs a killed program left at the printer are told as far as the spooler saw them print.
    RunReconcile::reconcile(m_log);
}

RunOutcome RunHistory::print(int page, const std::function<RunOutcome(RunObserver *)> &run,
                             const QString &boletos)
{
    if (refusedWhilePrinting())
        return RunOutcome::Failed;
    std::optional<JobFile::Saved> saved;
    try {
        saved = m_job.saved();
        saved->page = page;
    } catch (const RuntimeError &e) {
        // A printer that cannot tell its orientation: the run is logged without a copy.
        qCWarning(lcPrint).noquote() << "Run logged without a copy of the job:" << describeFailure(e);
    }
    return recorded({m_job.name(), RunRecorder::printerName(m_services.printer), page, std::move(saved),
                     QString(), 1, boletos, QString()},
                    run);
}

RunOutcome RunHistory::recorded(RunRecorder::Job job, const std::function<RunOutcome(RunObserver *)> &run)
{
    RunOutcome outcome;
    RunLog::Run logged;
    QString problem;
    bool started = false;
    {
        frmProgreso progress(m_services.window, &m_services.dialogs);
        m_progress = &progress;
        m_runJob = job.trabajo;
        m_runPrinter = job.impresora;
        RunRecorder recorder(m_log, m_services.profiles, std::move(job), &progress);
        recorder.setTellsWhereStopped(true);
        try {
            outcome = run(&recorder);
        } catch (...) {
            runEnded();
            throw;
        }
        runEnded();
        problem = recorder.finish(outcome);
        logged = recorder.run();
        started = recorder.started();
    }
    logProblem(problem);
    // A run the printer stopped can go on from the first sheet it did not confirm.
    if (outcome == RunOutcome::Cancelled ||
        (outcome == RunOutcome::Failed && started && m_services.printer.confirmsSheets()))
        stopped(logged);
    if (std::exchange(m_closeAfterRun, false))
        QTimer::singleShot(0, m_services.window, [window = m_services.window] { window->close(); });
    return outcome;
}

void RunHistory::runEnded()
{
    m_progress = nullptr;
    try {
        m_services.printer.releaseWindowSettings();
    } catch (const std::exception &e) {
        qCWarning(lcPrint).noquote() << "The orientation chosen during the run did not reach the printer:"
                                     << describeFailure(e);
    }
}

RunOutcome RunHistory::aside(RunObserver *observer, const RunAside::Print &print)
{
    PrinterSurface &printer = m_services.printer;
    return RunAside::run(
        observer, m_services.dialogs, [&printer](bool held) { printer.holdWindowSettings(held); }, print);
}

bool RunHistory::refusedWhilePrinting()
{
    if (!m_progress)
        return false;
    m_services.dialogs.message(
        Texts::text(17000, QStringLiteral("No se puede imprimir ahora: «%1» se está imprimiendo en «%2». "
                                          "Espere a que termine o deténgalo en su ventana de progreso."))
            .arg(m_runJob, m_runPrinter),
        RunMessages::kTitle, Dialogs::Icon::Exclamation);
    return true;
}

bool RunHistory::holdsClosing()
{
    if (!m_progress)
        return false;
    if (m_progress->wantsStop())
        m_progress->stop();
    m_closeAfterRun = true;
    return true;
}

RunOutcome RunHistory::reprint(const RunLog::Run &run, const SheetSpan &span,
                               const TicketReplacement::Request *tickets)
{
    if (refusedWhilePrinting())
        return RunOutcome::Failed;
    Dialogs &dialogs = m_services.dialogs;
    if (run.copia.isEmpty() || !QFileInfo::exists(run.copia) || !JobFile::refusal(run.copia).isEmpty()) {
        dialogs.message(Texts::text(3009).arg(QDir::toNativeSeparators(run.copia)), RunMessages::kTitle,
                        Dialogs::Icon::Exclamation);
        return RunOutcome::Failed;
    }
    PrintJob job = PrintJob::read(m_services.profiles, run.copia);
    job.name = JobDocument::Cortar(run.trabajo);
    if (!job.notices.isEmpty())
        dialogs.message(job.notices.join(u'\n'), RunMessages::kTitle, Dialogs::Icon::Information);

    // The copy's orientation and template are for this run only: the open job keeps its own.
    PrinterSurface &printer = m_services.printer;
    const std::optional<PdfTemplate> openTemplate = printer.pdfTemplate();
    std::optional<int> orientation;
    try {
        orientation = printer.orientation();
    } catch (const std::exception &e) {
        qCWarning(lcPrint).noquote() << "The open job's orientation could not be read before a reprint:"
                                     << describeFailure(e);
    }
    return recorded(
        {run.trabajo, RunRecorder::printerName(printer), job.page, std::nullopt, run.copia, span.first,
         tickets ? tickets->listed : QString(), run.origen.isEmpty() ? run.id : run.origen},
        [&](RunObserver *logged) {
            const RunOutcome outcome = aside(logged, [&](RunObserver *observer, Dialogs &asked) {
                return tickets ? JobRun::replace(job, tickets->tickets, tickets->printed, printer, asked,
                                                 observer)
                               : JobRun::print(job, span, printer, asked, observer);
            });
            printer.setPdfTemplate(openTemplate);
            if (orientation) {
                try {
                    printer.setOrientation(*orientation);
                } catch (const std::exception &e) {
                    qCWarning(lcPrint).noquote() << "The open job's orientation could not be put back "
                                                    "after a reprint:"
                                                 << describeFailure(e);
                }
            }
            return outcome;
        });
}

void RunHistory::stopped(const RunLog::Run &run)
{
    auto [done, last, text] = RunText::stopped(run);
    if (done >= last || run.copia.isEmpty() || m_closeAfterRun) {
        m_services.dialogs.message(text, RunMessages::kTitle, Dialogs::Icon::Information);
        return;
    }
    text += u' ' + Texts::text(3005).arg(done + 1);
    const QStringList choices{Texts::text(3006), Texts::text(3007)};
    if (m_services.dialogs.choose(text, RunMessages::kTitle, Dialogs::Icon::Information, choices) == 0)
        reprint(run, {done + 1, last});
}

void RunHistory::logProblem(const QString &problem)
{
    if (problem.isEmpty())
        return;
    m_services.dialogs.message(Texts::text(3008).arg(QDir::toNativeSeparators(m_log.file()), problem),
                               RunMessages::kTitle, Dialogs::Icon::Exclamation);
}

void RunHistory::showLog()
{
    RunReconcile::reconcile(m_log);
    frmRegistro window(m_log, m_services.dialogs, m_services.window);
    window.onReprint = [this, &window](const QString &id) {
        chooseReprint(id);
        window.reload();
    };
    window.exec();
}

void RunHistory::chooseReprint(const QString &runId)
{
    const RunLog::Contents contents = m_log.read();
    if (!contents.error.isEmpty() || contents.runs.empty()) {
        m_services.dialogs.message(
            contents.error.isEmpty()
                ? Texts::text(3033)
                : Texts::text(3034).arg(QDir::toNativeSeparators(m_log.file()), contents.error),
            RunMessages::kTitle, Dialogs::Icon::Information);
        return;
    }
    frmReimprimir dialog(contents.runs, runId, m_services.dialogs, m_services.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    reprint(dialog.chosenRun(), dialog.chosenSpan());
}
