#pragma once

#include "RangeNumber.h"
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
    QString juegos = QStringLiteral("1"); // each sheet printed this many times in a row (SheetSets)
    std::array<NumberLook, kRows> looks{};

    // Cut-and-stack mode: the enabled rows print piles of the run desde..hasta instead of their
    // own starts; `profundidad` is the most sheets per block, 0 (or empty) for no limit.
    struct Piles
    {
        bool on = false;
        QString desde = QStringLiteral("0001");
        QString hasta = QStringLiteral("0100");
        QString profundidad = QStringLiteral("0");
    } piles;
    // In piles mode, a separator sheet before each block (SeparatorSheets) naming the job.
    bool separadores = false;
    QString nombre;
};

class PilePlan;

// The piles run as typed: the plan, its first number and direction, the width of its last
// number. Throws RuntimeError for ends that are not numbers or a depth that is not a whole number.
struct PileRun
{
    RangeNumber first;
    qint64 step;
    qint64 count;
    qint64 depth;
    qsizetype width;

    static PileRun read(const DistinctNumberJob::Piles &piles);
    // The number at `offset`, as printed.
    QString number(qint64 offset) const;
};

// The distinct-number run: as many sheets as the first row has numbers; every enabled row prints
// its own number, padded to the width of its own start, and all rows advance together.
// `FirstRowSpan` is set to hasta[0] - desde[0] before any check (left alone if they are not numbers,
// or not numbers the run could print exactly).
RunOutcome runDistinctNumber(const DistinctNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                             Dialogs &dialogs, double &FirstRowSpan, RunObserver *observer = nullptr);

// In piles mode rows take their numbers from the pile plan (PilePlan.h) and the first row's
// ends are not read.

// The job's sheets after the run's checks, with the same messages; nullptr when one refused it.
std::unique_ptr<JobSheets> distinctNumberSheets(const DistinctNumberJob &job, const FontChoice &font,
                                                Dialogs &dialogs);
