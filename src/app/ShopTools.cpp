#include "ShopTools.h"

#include "Dialogs.h"
#include "Logging.h"
#include "PilePlanPage.h"
#include "PrinterSurface.h"
#include "RunHistory.h"
#include "RunMessages.h"
#include "RunSummary.h"
#include "RuntimeError.h"
#include "SheetSets.h"
#include "TemplateReady.h"
#include "Texts.h"
#include "TicketReplacement.h"
#include "frmReponer.h"
#include "frmResumen.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

ShopTools::ShopTools(const Services &services, Job job, QAction *reponer, QAction *planPilas,
                     QAction *resumen, QObject *owner)
    : QObject(owner), m_services(services), m_job(std::move(job))
{
    if (reponer) {
        Texts::bindCaption(reponer, 18040);
        reponer->setEnabled(true);
        connect(reponer, &QAction::triggered, this, &ShopTools::replaceTickets);
    }
    if (planPilas) {
        Texts::bindCaption(planPilas, 18041);
        planPilas->setEnabled(true);
        connect(planPilas, &QAction::triggered, this, &ShopTools::printPilePlan);
    }
    if (resumen)
        connect(resumen, &QAction::triggered, this, &ShopTools::setThreshold);
}

void ShopTools::setThreshold()
{
    frmResumen dialog(m_services.profiles, m_services.dialogs, m_services.window);
    dialog.exec();
}

bool ShopTools::goOn(const RunSummary &summary)
{
    const QString text = Texts::text(18042, QStringLiteral("Se va a imprimir:")) + u'\n' + summary.text() +
                         QStringLiteral("\n\n") + Texts::text(18043, QStringLiteral("¿Seguir?"));
    // OK, the default button, goes on; Escape cancels.
    return m_services.dialogs.message(text, RunMessages::kTitle, Dialogs::Icon::Question,
                                      Dialogs::Buttons::OkCancel) == Dialogs::Ok;
}

RunOutcome ShopTools::withSummary(RunObserver *observer, const std::function<RunOutcome(RunObserver *)> &run)
{
    SummaryFirst first(observer, LongRuns::read(m_services.profiles),
                       [this](const RunSummary &summary) { return goOn(summary); });
    const RunOutcome outcome = run(&first);
    return first.declined() ? RunOutcome::Failed : outcome;
}

void ShopTools::replaceTickets()
{
    Dialogs &dialogs = m_services.dialogs;
    const RunLog::Contents contents = m_services.history.log().read();
    if (!contents.error.isEmpty())
        qCWarning(lcFiles).noquote() << "The run log could not be read for a replacement:" << contents.error;
    frmReponer dialog(contents.runs, true, dialogs, m_services.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TicketReplacement::Request request = dialog.request();
    if (const auto run = dialog.chosenRun()) {
        m_services.history.reprint(*run, {1, 1}, &request);
        return;
    }
    PrinterSurface &printer = m_services.printer;
    if (!PdfTemplates::readyToPrint(printer, dialogs))
        return;
    printer.setJobName(m_job.name());
    const int page = m_job.page();
    m_services.history.print(
        page,
        [&](RunObserver *logged) {
            // The job's sheets are read from the window before the run goes aside.
            std::unique_ptr<JobSheets> sheets = m_job.sheets(page);
            return m_services.history.aside(logged, [&](RunObserver *observer, Dialogs &asked) {
                return TicketReplacement::print(std::move(sheets), request.tickets, std::nullopt, printer,
                                                asked, observer);
            });
        },
        request.listed);
}

namespace {

// The plan page as a PDF file of its own, A4, the lines in the same order as on paper.
bool savePdf(const QStringList &lines, const QString &path, QString *reason)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(1440);
    QPainter painter;
    if (!painter.begin(&pdf)) {
        *reason = Texts::text(18044, QStringLiteral("no se puede escribir el archivo"));
        return false;
    }
    const QRect area = painter.viewport();
    const int margin = 720;
    const int step =
        std::clamp<int>((area.height() - 2 * margin) / int(qMax<qsizetype>(lines.size(), 1)), 120, 200);
    QFont font = painter.font();
    font.setPointSizeF(step / 20.0 * 0.8);
    painter.setFont(font);
    int y = margin;
    for (const QString &line : lines) {
        if (y + step > area.height() - margin && y > margin) {
            pdf.newPage();
            y = margin;
        }
        painter.drawText(QPoint(margin, y + step), line);
        y += step;
    }
    return painter.end();
}

} // namespace

void ShopTools::printPilePlan()
{
    Dialogs &dialogs = m_services.dialogs;
    const DistinctNumberJob job = m_job.distinct();
    if (m_job.page() != 1 || !job.piles.on) {
        dialogs.message(
            Texts::text(18045, QStringLiteral("El trabajo abierto no imprime en pilas: active las "
                                              "pilas en la página de distinto número.")),
            RunMessages::kTitle, Dialogs::Icon::Information);
        return;
    }
    QStringList lines;
    try {
        const PileRun run = PileRun::read(job.piles);
        const int rows = int(std::count(job.off.begin(), job.off.end(), false));
        const PilePlan plan(run.count, rows, run.depth);
        const auto blocks = PilePlanPage::blocks(
            plan, [&](qint64 offset) { return run.number(offset); }, SheetSets::read(job.juegos),
            job.separadores);
        QString printer;
        try {
            printer =
                m_services.printer.printers().value(m_services.printer.currentPrinterIndex()).deviceName;
        } catch (const std::exception &e) {
            qCWarning(lcPrint).noquote() << "The pile plan names no printer:" << describeFailure(e);
        }
        lines = PilePlanPage::lines(
            {m_job.name(), printer, QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)},
            plan, blocks);
    } catch (const RuntimeError &error) {
        dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return;
    }
    const QStringList choices{Texts::text(18046, QStringLiteral("Imprimir")),
                              Texts::text(18047, QStringLiteral("Guardar como PDF")),
                              Texts::text(18048, QStringLiteral("Cancelar"))};
    const int choice = dialogs.choose(Texts::text(18049, QStringLiteral("¿Imprimir el plan de pilas en la "
                                                                        "impresora o guardarlo como PDF?")),
                                      RunMessages::kTitle, Dialogs::Icon::Question, choices);
    if (choice == 0) {
        if (m_services.history.refusedWhilePrinting()) // the page would land inside the run's part
            return;
        try {
            PilePlanPage::print(lines, m_services.printer);
        } catch (const RuntimeError &error) {
            dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::Critical);
        }
    } else if (choice == 1) {
        Dialogs::FileRequest request;
        request.title = Texts::text(18047, QStringLiteral("Guardar como PDF"));
        request.fileName = Texts::text(18050, QStringLiteral("Plan de pilas.pdf"));
        request.filter = QStringLiteral("PDF (*.pdf)|*.pdf");
        request.defaultExtension = QStringLiteral("pdf");
        request.confirmOverwrite = true;
        const QString path = dialogs.saveFileName(request);
        if (path.isEmpty())
            return;
        if (QString reason; !savePdf(lines, path, &reason))
            dialogs.message(Texts::text(18051, QStringLiteral("No se pudo guardar %1: %2"))
                                .arg(QDir::toNativeSeparators(path), reason),
                            RunMessages::kTitle, Dialogs::Icon::Exclamation);
    }
}
