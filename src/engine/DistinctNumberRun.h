#pragma once

#include "SameNumberRun.h"

#include <QString>
#include <array>

class Dialogs;
class PrinterSurface;
class RunObserver;

// Page 1 of the job as the window holds it: up to four rows, each with its own start.
struct DistinctNumberJob
{
    static constexpr int kRows = 4;
    std::array<QString, kRows> desde{QStringLiteral("0000"), QStringLiteral("0000"), QStringLiteral("0000"),
                                     QStringLiteral("0000")};
    // Only hasta[0] is read: the first row decides how many sheets come out.
    std::array<QString, kRows> hasta{QStringLiteral("0000"), QStringLiteral("0000"), QStringLiteral("0000"),
                                     QStringLiteral("0000")};
    std::array<QString, kRows> posX{};
    std::array<QString, kRows> posY{};
    std::array<bool, kRows> off{false, true, true, true}; // a checked disable box: the row is not printed
};

// The distinct-number run: as many sheets as the first row has numbers; every enabled row prints
// its own number, padded to the width of its own start, and all rows advance together.
// `FirstRowSpan` is set to hasta[0] - desde[0] before any check (left alone if they are not numbers,
// or not numbers the run could print exactly).
RunOutcome runDistinctNumber(const DistinctNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                             Dialogs &dialogs, double &FirstRowSpan, RunObserver *observer = nullptr);

// The job's sheets after the run's checks, with the same messages; nullptr when one refused it.
std::unique_ptr<JobSheets> distinctNumberSheets(const DistinctNumberJob &job, const FontChoice &font,
                                                Dialogs &dialogs);
