#pragma once

#include "SpoolerJobs.h"

#include <QString>
#include <vector>

// The parts of one run handed to a CUPS queue, in order, with their job ids, and how far the
// printer got with them as the scheduler tells. Only parts the printer completed count: a
// part cancelled, aborted or cut off by a jam counts for none of its sheets, even when some
// came out, so that a run continued from the count may print sheets twice but never skips one.
class SpooledParts
{
public:
    // Parts per printer allowed at the spooler at once: one printing, one ready behind it, so
    // the printer never waits while the next part is drawn. See README, Performance.
    static constexpr int kPerPrinter = 2;

    struct Part
    {
        int job = 0;
        qint64 sheets = 0;
        SpoolerJobs::JobState state = SpoolerJobs::Pending;
        QString member;         // the printer of a class that printed it, when the scheduler tells
        bool cancelled = false; // by this run
    };

    // What one look at the scheduler found.
    struct Look
    {
        bool changed = false; // more sheets confirmed than before
        QString fault;        // a part that will not print, or the queue gone: the run must stop
        QString stopped;      // the printer stopped (paused, a held jam): the run waits or stops
        QString printerWords; // the printer's state in words; empty when it prints normally
    };

    // A run of `partCount` parts on `queue` begins.
    void start(const QString &queue, qint64 partCount);
    void add(int job, qint64 sheets) { m_parts.push_back({job, sheets, SpoolerJobs::Pending, {}, false}); }
    Look look();
    // Cancels every part not finished, then asks once more how far the printer got.
    void cancelUnfinished();

    const QString &queue() const { return m_queue; }
    int window() const { return kPerPrinter * (m_members > 0 ? m_members : 1); }
    int unfinished() const;
    qint64 confirmedSheets() const;
    int lastJob() const { return m_parts.empty() ? 0 : m_parts.back().job; }
    const std::vector<Part> &parts() const { return m_parts; }
    // The parts as the run log keeps them: "job:sheets[:printer]" separated by spaces.
    QString text() const;

private:
    QString m_queue;
    int m_members = 0;
    qint64 m_partCount = 0;
    std::vector<Part> m_parts;
    qint64 m_confirmed = 0;
    int m_unknownLooks = 0;
    QString m_lastWords; // the printer's last complaint during this run
};
