#pragma once

#include <QString>
#include <QtGlobal>

// Told about every sheet a run hands to the printer, so that a window or a terminal can show
// how far the run went, and asked whether it may go on.
class RunObserver
{
public:
    virtual ~RunObserver() = default;
    // Sheet `done` of `total` (counted from 1) went out carrying `number`. False stops the run:
    // the document ends after this sheet.
    virtual bool sheetPrinted(qint64 done, qint64 total, const QString &number) = 0;
    // Told once, before anything reaches the printer, that a run of `total` sheets begins: only
    // runs that passed their checks get this far.
    virtual void runStarting(qint64 total) { Q_UNUSED(total); }
    // True when whoever watches tells the user, after a run it stopped, how far it went and how
    // to go on; the run then ends without its own message.
    virtual bool tellsWhereStopped() const { return false; }
};
