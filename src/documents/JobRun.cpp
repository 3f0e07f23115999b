#include "JobRun.h"

#include "Dialogs.h"
#include "JobSheets.h"
#include "Logging.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "SheetLoop.h"
#include "TemplateReady.h"
#include "TicketReplacement.h"

#include <QDateTime>

namespace {

// The distinct-number page with the job's name, which its separator sheets carry.
DistinctNumberJob named(const PrintJob &job)
{
    DistinctNumberJob distinct = job.distinct;
    distinct.nombre = job.name;
    return distinct;
}

} // namespace

std::unique_ptr<JobSheets> JobRun::sheets(const PrintJob &job, Dialogs &dialogs)
{
    return job.page == 0 ? sameNumberSheets(job.same, job.font, dialogs)
                         : distinctNumberSheets(named(job), job.font, dialogs);
}

namespace {

// The job's name, orientation and design on the printer; false after the message when the design
// cannot print.
bool prepare(const PrintJob &job, PrinterSurface &printer, Dialogs &dialogs)
{
    printer.setJobName(job.name);
    if (job.orientation) {
        try {
            printer.setOrientation(*job.orientation);
        } catch (const std::exception &e) {
            // Not fatal: the run goes on in the printer's orientation.
            qCWarning(lcPrint).noquote()
                << "The job's orientation" << *job.orientation << "was not set:" << describeFailure(e);
        }
    }
    printer.setPdfTemplate(job.pdfTemplate);
    return PdfTemplates::readyToPrint(printer, dialogs);
}

} // namespace

RunOutcome JobRun::replace(const PrintJob &job, const std::vector<RangeNumber> &tickets,
                           const std::optional<std::pair<qint64, qint64>> &printed, PrinterSurface &printer,
                           Dialogs &dialogs, RunObserver *observer)
{
    if (!prepare(job, printer, dialogs))
        return RunOutcome::Failed;
    return TicketReplacement::print(sheets(job, dialogs), tickets, printed, printer, dialogs, observer);
}

RunOutcome JobRun::print(const PrintJob &job, const std::optional<SheetSpan> &span, PrinterSurface &printer,
                         Dialogs &dialogs, RunObserver *observer)
{
    if (!prepare(job, printer, dialogs))
        return RunOutcome::Failed;
    if (!span) {
        if (job.page == 0)
            return runSameNumber(job.same, job.font, printer, dialogs, observer);
        double rowSpan = 0;
        return runDistinctNumber(named(job), job.font, printer, dialogs, rowSpan, observer);
    }
    std::unique_ptr<JobSheets> all = sheets(job, dialogs);
    if (!all)
        return RunOutcome::Failed;
    if (const QString why = SheetSpan::refusal(span->first, span->last, all->count()); !why.isEmpty()) {
        dialogs.message(why, RunMessages::kTitle, Dialogs::Icon::Exclamation);
        return RunOutcome::Failed;
    }
    const std::unique_ptr<JobSheets> chosen = selectSheets(std::move(all), *span);
    return printChosenSheets(*chosen, printer, dialogs, observer);
}

JobFile::Saved JobRun::saved(const PrintJob &job, int sentido)
{
    JobFile::Saved saved;
    saved.page = job.page;
    saved.same = job.same;
    saved.distinct = job.distinct;
    saved.font = {FontSettings::colorToText(job.font.color), job.font.sizeText, job.font.name};
    const QDateTime now = QDateTime::currentDateTime();
    saved.fecha = JobFile::dateText(now.date());
    saved.hora = JobFile::timeText(now.time());
    saved.sentido = sentido;
    saved.pdfTemplate = job.pdfTemplate;
    return saved;
}
