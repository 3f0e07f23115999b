#pragma once

#include "RunLog.h"

#include <QString>

// A logged run in words, for the log window and the reprint dialog.
namespace RunText {

// Its state; a run that never wrote its last line is "sin terminar".
QString estado(const RunLog::Run &run);
// One line: when, which job, its state and sheets.
QString summary(const RunLog::Run &run);
// The start as the user's system writes dates and times.
QString when(const RunLog::Run &run);

// The printer of a run of `log`: on a class whose parts file names the members that printed
// them, "Pool (P1, P2)" in the order they first printed, and in `parts` one line per part
// saying which printer printed it; else the queue's name alone and no lines.
struct Printers
{
    QString shown;
    QStringList parts;
};
Printers printers(const RunLog &log, const RunLog::Run &run);

// Where a cancelled run stopped, among the job's sheets: the last sheet printed, the run's last
// sheet, and the sentence that says so.
struct Stop
{
    qint64 done;
    qint64 last;
    QString text;
};
Stop stopped(const RunLog::Run &run);

} // namespace RunText
