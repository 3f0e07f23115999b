#pragma once

class Dialogs;
class PrinterSurface;

namespace PdfTemplates {

// The check before a run on `printer` with its template: a template that cannot be printed is
// explained and refuses the run (false); a page larger than the paper is said and the user
// decides. True at once without a template. A preview (`printing` false) is refused the same
// way but asks nothing about the size: it shows what does not fit.
bool readyToPrint(const PrinterSurface &printer, Dialogs &dialogs, bool printing = true);

} // namespace PdfTemplates
