#pragma once

#include "JobFile.h"
#include "PrintJob.h"
#include "SheetSpan.h"

#include <memory>
#include <optional>
#include <vector>

class Dialogs;
class JobSheets;
class PrinterSurface;
class RunObserver;

// Printing a job read from a file (the command line, a reprint from the run log's copy).
namespace JobRun {

// The job's sheets after the run's checks, with their messages; nullptr when one refused it.
std::unique_ptr<JobSheets> sheets(const PrintJob &job, Dialogs &dialogs);

// Names the queue's job after the file and sets the stored orientation, then prints the whole
// run, or only the physical sheets of `span` (refused with a message when they lie outside it).
RunOutcome print(const PrintJob &job, const std::optional<SheetSpan> &span, PrinterSurface &printer,
                 Dialogs &dialogs, RunObserver *observer);

// Only `tickets` of the job, each at the place it had (TicketReplacement); `printed` limits them
// to the physical sheets a logged run printed.
RunOutcome replace(const PrintJob &job, const std::vector<RangeNumber> &tickets,
                   const std::optional<std::pair<qint64, qint64>> &printed, PrinterSurface &printer,
                   Dialogs &dialogs, RunObserver *observer);

// The job as a job file keeps it, printed in `sentido` (1 portrait, 2 landscape).
JobFile::Saved saved(const PrintJob &job, int sentido);

} // namespace JobRun
