#pragma once

class Dialogs;
class PrinterSurface;

namespace PdfTemplates {

// The check before a run or preview on `printer` with its template: a template that cannot be
// printed is explained and refuses the run (false); a page larger than the paper is said and
// the user decides. True at once without a template.
bool readyToPrint(const PrinterSurface &printer, Dialogs &dialogs);

} // namespace PdfTemplates
