#pragma once

#include "JobSheets.h"
#include "RangeNumber.h"
#include "SameNumberRun.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class Dialogs;
class PrinterSurface;
class RunObserver;

// Replacing damaged tickets: only the tickets asked for are printed again, each at the place it
// had on its sheet, so that no other number ever comes out twice. Tickets at different places
// share a sheet; tickets at the same place go on sheets of their own.
namespace TicketReplacement {

// A replacement as asked for: the tickets, the list as typed (for the log), and the physical
// sheets (from 0, first and last) of the run they came out of, when that run was logged.
struct Request
{
    std::vector<RangeNumber> tickets;
    QString listed;
    std::optional<std::pair<qint64, qint64>> printed;
};

// The most tickets one replacement prints: a typing slip such as 1-1000000 is refused, not printed.
constexpr qint64 kMostTickets = 10000;

// "0457,2310,3001-3004": numbers and ranges of numbers separated by commas, each ticket once, in
// the order typed. Nothing, with the reason in `why`, when the text is not that.
std::optional<std::vector<RangeNumber>> parse(const QString &text, QString &why);

// The list as the log names it: the text without spaces.
QString listed(const QString &text);

// The sheets that print `tickets` of `sheets` (a whole run, sets included: each replacement sheet
// comes out as many times as the run's). `printed` (physical sheets, from 0, first and last)
// limits the tickets to those a logged run printed. Nothing, with the reason in `why`, when a
// ticket is not among them.
std::unique_ptr<JobSheets> sheets(std::unique_ptr<JobSheets> run, const std::vector<RangeNumber> &tickets,
                                  const std::optional<std::pair<qint64, qint64>> &printed, QString &why);

// Prints the replacement sheets of `run` (nullptr after a refusal's message: nothing happens),
// with the run's messages; a ticket not in the run is refused with a message before the printer
// is touched.
RunOutcome print(std::unique_ptr<JobSheets> run, const std::vector<RangeNumber> &tickets,
                 const std::optional<std::pair<qint64, qint64>> &printed, PrinterSurface &printer,
                 Dialogs &dialogs, RunObserver *observer);

// The grouping alone: replacement sheet by sheet, the run's sheet each place takes its ticket
// from (-1 for a place left empty), as few sheets as the busiest place needs, in the run's order.
// `places` are distinct.
std::vector<std::vector<qint64>> group(std::vector<TicketPlace> places, int placesPerSheet);

} // namespace TicketReplacement
