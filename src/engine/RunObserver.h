#pragma once

#include "PrinterSurface.h"

#include <QString>
#include <QThread>
#include <QtGlobal>

class JobSheets;

// Told about every sheet a run hands to the printer, so that a window or a terminal can show
// how far the run went, and asked whether it may go on.
class RunObserver
{
public:
    virtual ~RunObserver() = default;
    // Told before runStarting() when the printer confirms the sheets it completed: how far the
    // run went is then what printerConfirmed() says, never what sheetPrinted() handed over.
    virtual void printerConfirms() {}
    // The first `confirmed` of `total` sheets came out of the printer, the last carrying
    // `lastNumber`; `jobs` lists the run's parts at the spooler as the run log keeps them.
    virtual void printerConfirmed(qint64 confirmed, qint64 total, const QString &lastNumber,
                                  const QString &jobs)
    {
        Q_UNUSED(confirmed)
        Q_UNUSED(total)
        Q_UNUSED(lastNumber)
        Q_UNUSED(jobs)
    }
    // The printer's state in words; empty when it prints normally.
    virtual void printerState(const QString &words) { Q_UNUSED(words) }
    // Asked while the run waits for the printer; false stops the run.
    virtual bool keepWaiting() { return true; }
    // Whether a stopped printer is waited for (a window that lets the user choose) or stops the
    // run (nobody to ask).
    virtual bool waitsForStoppedPrinter() const { return false; }
    // The run has nothing to do for `ms` while the printer prints (see SpoolerWatch::idle).
    virtual void idle(int ms) { QThread::msleep(ms); }
    // Sheet `done` of `total` (counted from 1) went out carrying `number`. False stops the run:
    // the document ends after this sheet.
    virtual bool sheetPrinted(qint64 done, qint64 total, const QString &number) = 0;
    // Told once, before anything reaches the printer, that a run of `total` sheets begins: only
    // runs that passed their checks get this far.
    virtual void runStarting(qint64 total) { Q_UNUSED(total); }
    // Asked once, after the run's checks and before anything reaches the printer, with what it is
    // about to print; false stops it then, with nothing printed and nothing said.
    virtual bool goAhead(const JobSheets &sheets, const PrinterSurface &printer)
    {
        Q_UNUSED(sheets)
        Q_UNUSED(printer)
        return true;
    }
    // True when whoever watches tells the user, after a run it stopped, how far it went and how
    // to go on; the run then ends without its own message.
    virtual bool tellsWhereStopped() const { return false; }
};
