#pragma once

#include "JobSheets.h"
#include "NumberLook.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class Dialogs;
class PrinterSurface;
class RunObserver;

// Page 0 of the job as the window holds it.
struct SameNumberJob
{
    static constexpr int kPositions = 6;
    QString desde = QStringLiteral("0000");
    QString hasta = QStringLiteral("0001");
    std::array<QString, kPositions> posX{};
    std::array<QString, kPositions> posY{};
    std::array<bool, kPositions> off{};   // a checked disable box: the position is not printed
    QString juegos = QStringLiteral("1"); // each sheet printed this many times in a row (SheetSets)
    std::array<NumberLook, kPositions> looks{};
};

// The shared font fields.
struct FontChoice
{
    QString name;
    QString sizeText = QStringLiteral("12");
    int32_t color = 0;
};

enum class RunOutcome {
    Printed,        // every sheet printed and the document ended
    DigitsMismatch, // the range ends differ in width; the caller moves the focus to the end box
    NothingEnabled, // every position or row is off
    Failed,         // stopped by an error after its message
    Cancelled,      // stopped by the user; the document holds the sheets printed so far
};

// Sheets chosen out of a job's run (a span, a replacement): printed in their own font, as
// printSheets does; a failure is told to the user and the run counts as failed.
RunOutcome printChosenSheets(const JobSheets &sheets, PrinterSurface &printer, Dialogs &dialogs,
                             RunObserver *observer);

// True for the outcomes after which the run counts as the last print.
inline bool recordsLastPrint(RunOutcome outcome)
{
    return outcome == RunOutcome::Printed || outcome == RunOutcome::DigitsMismatch ||
           outcome == RunOutcome::Cancelled;
}

// The same-number run: one sheet per number of the range, the number at every enabled position.
// `observer`, when given, hears of every sheet and may stop the run after any of them.
RunOutcome runSameNumber(const SameNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                         Dialogs &dialogs, RunObserver *observer = nullptr);

// The job's sheets after the checks a run makes first, with the same messages; nullptr when a
// check refused the job.
std::unique_ptr<JobSheets> sameNumberSheets(const SameNumberJob &job, const FontChoice &font,
                                            Dialogs &dialogs);
