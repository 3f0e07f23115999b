#pragma once

#include "JobRun.h"
#include "TicketReplacement.h"

#include <QCommandLineOption>

class ProfileFiles;

// The print shop's part of `tessarino --print`: `--tickets` and the summary of a long run.
namespace CommandLineShop {

QCommandLineOption ticketsOption();
// `--tickets` read into `request`; false with the reason when it is no list of tickets.
bool readTickets(const QString &value, TicketReplacement::Request &request, QString &why);

// The job's run (all of it, `span`, or only the tickets of `request` when it has any), reporting
// to `observer`; a run longer than the settings' threshold tells its summary on standard error
// first and goes on: nobody is there to answer.
RunOutcome run(const PrintJob &job, const std::optional<SheetSpan> &span,
               const TicketReplacement::Request &request, PrinterSurface &printer, Dialogs &dialogs,
               RunObserver *observer, const ProfileFiles &settings);

} // namespace CommandLineShop
