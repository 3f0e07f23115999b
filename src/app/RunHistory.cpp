#include "RunHistory.h"

#include "Dialogs.h"
#include "DocumentCommands.h"
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

RunHistory::RunHistory(const Services &services, Job job, QMenu *tools, QAction *after, QObject *owner)
    : QObject(owner), m_services(services), m_job(std::move(job)), m_log(services.logFolder)
{
    mnuRegistro = new QAction(QStringLiteral("Re&gistro de impresiones..."), this);
    mnuRegistro->setObjectName(QStringLiteral("mnuRegistro"));
    Texts::bindCaption(mnuRegistro, 3010);
    mnuReimprimir = new QAction(QStringLiteral("Reimprimir h&ojas..."), this);
    mnuReimprimir->setObjectName(QStringLiteral("mnuReimprimir"));
    Texts::bindCaption(mnuReimprimir, 3011);
    const QList<QAction *> entries = tools->actions();
    QAction *before = entries.value(entries.indexOf(after) + 1);
    tools->insertActions(before, {mnuRegistro, mnuReimprimir});
    connect(mnuRegistro, &QAction::triggered, this, &RunHistory::showLog);
    connect(mnuReimprimir, &QAction::triggered, this, [this] { chooseReprint(QString()); });
    // Runs a killed program left at the printer are told as far as the spooler saw them print.
    RunReconcile::reconcile(m_log);
}

RunOutcome RunHistory::print(int page, const std::function<RunOutcome(RunObserver *)> &run,
                             const QString &boletos)
{
    std::optional<JobFile::Saved> saved;
    try {
        saved = m_job.saved();
        saved->page = page;
    } catch (const RuntimeError &e) {
        // A printer that cannot tell its orientation: the run is logged without a copy.
        qCWarning(lcPrint).noquote() << "Run logged without a copy of the job:" << describeFailure(e);
    }
    return recorded(
        {m_job.name(), RunRecorder::printerName(m_services.printer), page, std::move(saved), QString(), 1,
         boletos, QString()},
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
        RunRecorder recorder(m_log, m_services.profiles, std::move(job), &progress);
        recorder.setTellsWhereStopped(true);
        outcome = run(&recorder);
        problem = recorder.finish(outcome);
        logged = recorder.run();
        started = recorder.started();
    }
    logProblem(problem);
    // A run the printer stopped can go on from the first sheet it did not confirm.
    if (outcome == RunOutcome::Cancelled ||
        (outcome == RunOutcome::Failed && started && m_services.printer.confirmsSheets()))
        stopped(logged);
    return outcome;
}

RunOutcome RunHistory::reprint(const RunLog::Run &run, const SheetSpan &span,
                               const TicketReplacement::Request *tickets)
{
    Dialogs &dialogs = m_services.dialogs;
    if (run.copia.isEmpty() || !QFileInfo::exists(run.copia) || !JobFile::refusal(run.copia).isEmpty()) {
        dialogs.message(
            Texts::text(3009, QStringLiteral("La copia del trabajo de esta impresión no está (%1); no "
                                             "se puede reimprimir."))
                .arg(QDir::toNativeSeparators(run.copia)),
            RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return RunOutcome::Failed;
    }
    PrintJob job = PrintJob::read(m_services.profiles, run.copia);
    job.name = DocumentCommands::Cortar(run.trabajo);
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
        [&](RunObserver *observer) {
            const RunOutcome outcome =
                tickets ? JobRun::replace(job, tickets->tickets, tickets->printed, printer, dialogs, observer)
                        : JobRun::print(job, span, printer, dialogs, observer);
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
    if (done >= last || run.copia.isEmpty()) {
        m_services.dialogs.message(text, RunMessages::kTitle, Dialogs::Icon::Information);
        return;
    }
    text += u' ' +
            Texts::text(3005, QStringLiteral("«Continuar» imprime el resto desde la hoja %1.")).arg(done + 1);
    const QStringList choices{Texts::text(3006, QStringLiteral("Continuar")),
                              Texts::text(3007, QStringLiteral("Aceptar"))};
    if (m_services.dialogs.choose(text, RunMessages::kTitle, Dialogs::Icon::Information, choices) == 0)
        reprint(run, {done + 1, last});
}

void RunHistory::logProblem(const QString &problem)
{
    if (problem.isEmpty())
        return;
    m_services.dialogs.message(
        Texts::text(3008, QStringLiteral("No se pudo anotar la impresión en el registro %1: %2"))
            .arg(QDir::toNativeSeparators(m_log.file()), problem),
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
                ? Texts::text(3033, QStringLiteral("No hay ninguna impresión en el registro."))
                : Texts::text(3034, QStringLiteral("No se puede leer el registro %1: %2"))
                      .arg(QDir::toNativeSeparators(m_log.file()), contents.error),
            RunMessages::kTitle, Dialogs::Icon::Information);
        return;
    }
    frmReimprimir dialog(contents.runs, runId, m_services.dialogs, m_services.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    reprint(dialog.chosenRun(), dialog.chosenSpan());
}
