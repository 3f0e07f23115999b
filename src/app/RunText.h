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

} // namespace RunText
