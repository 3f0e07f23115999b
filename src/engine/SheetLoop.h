#pragma once

class Dialogs;
class JobSheets;
class PrinterSurface;
class RunObserver;

// Prints every sheet of `sheets` into the open document and ends it. When the observer asks
// to stop, the document ends after the sheet just printed and the user is told which number
// went out last; returns false then. A failure before the first sheet is finished drops the
// document the run began.
bool printSheets(const JobSheets &sheets, PrinterSurface &printer, Dialogs &dialogs, RunObserver *observer);
