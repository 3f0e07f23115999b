#pragma once

#include "RunObserver.h"

#include <QString>
#include <QtGlobal>
#include <functional>

class JobSheets;
class PrinterSurface;
class ProfileFiles;

// What a run is about to print, told before a long run starts so that a wrong range or printer
// is caught before thousands of sheets come out.
struct RunSummary
{
    qint64 sheets = 0;  // physical sheets, sets counted
    qint64 tickets = 0; // numbers printed
    qint64 blocks = 1;  // blocks of a cut-and-stack run
    QString printer;
    QString paper;
    QString first, last; // the run's first and last number as printed

    static RunSummary of(const JobSheets &sheets, const PrinterSurface &printer);
    // In lines, for the question and the terminal.
    QString text() const;
};

// An observer that asks before a run of more than `threshold` sheets (0: never asks) and passes
// everything else on to `inner`. A run the answer stops prints nothing: declined() then says so.
class SummaryFirst final : public RunObserver
{
public:
    using Ask = std::function<bool(const RunSummary &)>;
    SummaryFirst(RunObserver *inner, qint64 threshold, Ask ask)
        : m_inner(inner), m_threshold(threshold), m_ask(std::move(ask))
    {}

    bool declined() const { return m_declined; }

    bool goAhead(const JobSheets &sheets, const PrinterSurface &printer) override;
    void printerConfirms() override
    {
        if (m_inner)
            m_inner->printerConfirms();
    }
    void printerConfirmed(qint64 confirmed, qint64 total, const QString &lastNumber,
                          const QString &jobs) override
    {
        if (m_inner)
            m_inner->printerConfirmed(confirmed, total, lastNumber, jobs);
    }
    void printerState(const QString &words) override
    {
        if (m_inner)
            m_inner->printerState(words);
    }
    bool keepWaiting() override { return !m_inner || m_inner->keepWaiting(); }
    bool waitsForStoppedPrinter() const override { return m_inner && m_inner->waitsForStoppedPrinter(); }
    bool sheetPrinted(qint64 done, qint64 total, const QString &number) override
    {
        return !m_inner || m_inner->sheetPrinted(done, total, number);
    }
    void runStarting(qint64 total) override
    {
        if (m_inner)
            m_inner->runStarting(total);
    }
    bool tellsWhereStopped() const override { return m_inner && m_inner->tellsWhereStopped(); }

private:
    RunObserver *m_inner;
    qint64 m_threshold;
    Ask m_ask;
    bool m_declined = false;
};

// Where the settings file keeps the threshold.
namespace LongRuns {
inline constexpr qint64 kDefault = 500;
inline const QString kSection = QStringLiteral("Impresora");
inline const QString kKey = QStringLiteral("ResumenDesde");
// The stored value; kDefault when missing or not a whole number of 0 or more.
qint64 read(const ProfileFiles &settings);
} // namespace LongRuns
