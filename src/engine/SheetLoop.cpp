#include "SheetLoop.h"

#include "Dialogs.h"
#include "JobSheets.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "RunObserver.h"

namespace {

// Passes what the printer confirms on to the run's observer, with the numbers the sheets carry.
class Confirmations final : public SpoolerWatch
{
public:
    Confirmations(const JobSheets &sheets, RunObserver *observer, PrinterSurface &printer)
        : m_sheets(sheets), m_observer(observer), m_printer(printer)
    {
        m_printer.setSpoolerWatch(this);
    }
    ~Confirmations() override { m_printer.setSpoolerWatch(nullptr); }
    Confirmations(const Confirmations &) = delete;
    Confirmations &operator=(const Confirmations &) = delete;

    void printerConfirmed(qint64 sheets, const QString &jobs) override
    {
        confirmed = sheets;
        if (m_observer)
            m_observer->printerConfirmed(sheets, m_sheets.count(),
                                         sheets > 0 ? m_sheets.number(sheets - 1) : QString(), jobs);
    }
    void printerState(const QString &words) override
    {
        if (m_observer)
            m_observer->printerState(words);
    }
    bool keepWaiting() override { return !m_observer || m_observer->keepWaiting(); }
    bool waitsForStoppedPrinter() const override
    {
        return m_observer && m_observer->waitsForStoppedPrinter();
    }
    void idle(int ms) override
    {
        if (m_observer)
            m_observer->idle(ms);
        else
            SpoolerWatch::idle(ms);
    }

    qint64 confirmed = 0;

private:
    const JobSheets &m_sheets;
    RunObserver *m_observer;
    PrinterSurface &m_printer;
};

} // namespace

bool printSheets(const JobSheets &sheets, PrinterSurface &printer, Dialogs &dialogs, RunObserver *observer)
{
    const qint64 total = sheets.count();
    // A run that began the document and stops before its first sheet is finished drops it: a run
    // that prints nothing leaves no empty file and sends no blank job. A document an earlier
    // drawing began is left as the printer contract says.
    const bool continuing = printer.documentOpen();
    qint64 finished = 0;
    const bool confirms = printer.confirmsSheets();
    Confirmations confirmations(sheets, observer, printer);
    // A stopped run names the last sheet that came out: on a printer that confirms its parts,
    // the last it completed.
    const auto tellStopped = [&](qint64 sentLast) {
        if (observer && observer->tellsWhereStopped())
            return;
        const qint64 last = confirms ? confirmations.confirmed : sentLast;
        dialogs.message(last > 0 ? RunMessages::cancelled(sheets.number(last - 1))
                                 : RunMessages::nothingOut(),
                        RunMessages::kTitle, Dialogs::Icon::Information);
    };
    try {
        sheets.checkFits(printer);
        if (observer && !observer->goAhead(sheets, printer))
            return false; // nothing drawn yet
        if (observer && confirms)
            observer->printerConfirms();
        if (observer)
            observer->runStarting(total);
        printer.beginRun(total);
        for (qint64 k = 0; k < total; ++k) {
            sheets.draw(k, printer);
            printer.newPage();
            finished = k + 1;
            if (observer && !observer->sheetPrinted(k + 1, total, sheets.number(k))) {
                printer.stopRun();
                tellStopped(k + 1);
                return false;
            }
        }
        printer.endDoc();
    } catch (const RunStoppedWaiting &stopped) {
        tellStopped(stopped.sheetsConfirmed());
        return false;
    } catch (const RunPartRefused &refused) {
        // Only the printer knows how far the parts got; only the run knows what that sheet carries.
        const qint64 done = refused.sheetsSent();
        throw RuntimeError(
            refused.number(),
            RunMessages::partRefused(refused.description(), done > 0 ? sheets.number(done - 1) : QString(),
                                     done < total ? sheets.number(done) : QString(), done + 1));
    } catch (const RuntimeError &) {
        if (!continuing && finished == 0)
            printer.discardDocument();
        throw;
    }
    return true;
}
