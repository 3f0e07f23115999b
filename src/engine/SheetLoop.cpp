#include "SheetLoop.h"

#include "Dialogs.h"
#include "JobSheets.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "RunObserver.h"

bool printSheets(const JobSheets &sheets, PrinterSurface &printer, Dialogs &dialogs, RunObserver *observer)
{
    const qint64 total = sheets.count();
    // A run that began the document and stops before its first sheet is finished drops it: a run
    // that prints nothing leaves no empty file and sends no blank job. A document an earlier
    // drawing began is left as the printer contract says.
    const bool continuing = printer.documentOpen();
    qint64 finished = 0;
    try {
        sheets.checkFits(printer);
        if (observer)
            observer->runStarting(total);
        printer.beginRun(total);
        for (qint64 k = 0; k < total; ++k) {
            sheets.draw(k, printer);
            printer.newPage();
            finished = k + 1;
            if (observer && !observer->sheetPrinted(k + 1, total, sheets.number(k))) {
                printer.endDoc();
                if (observer->tellsWhereStopped())
                    return false;
                dialogs.message(RunMessages::cancelled(sheets.number(k)), RunMessages::kTitle,
                                Dialogs::Icon::Information);
                return false;
            }
        }
        printer.endDoc();
    } catch (const RunPartRefused &refused) {
        // Only the printer knows how far the parts got; only the run knows what that sheet carries.
        const qint64 sent = refused.sheetsSent();
        throw RuntimeError(
            refused.number(),
            RunMessages::partRefused(refused.description(), sent > 0 ? sheets.number(sent - 1) : QString()));
    } catch (const RuntimeError &) {
        if (!continuing && finished == 0)
            printer.discardDocument();
        throw;
    }
    return true;
}
