#pragma once

#include "SameNumberRun.h"

class Dialogs;
class JobSheets;
class PrinterSurface;
class RunObserver;

// Prints every sheet of `sheets` into the open document and ends it. When the observer asks
// to stop, the document ends after the sheet just printed and the user is told which number
// went out last; returns false then. A failure before the first sheet is finished drops the
// document the run began.
bool printSheets(const JobSheets &sheets, PrinterSurface &printer, Dialogs &dialogs, RunObserver *observer);

// Sheets chosen out of a job's run (a span, a replacement): printed in their own font, as
// printSheets does; a failure is told to the user and the run counts as failed.
RunOutcome printChosenSheets(const JobSheets &sheets, PrinterSurface &printer, Dialogs &dialogs,
                             RunObserver *observer);
