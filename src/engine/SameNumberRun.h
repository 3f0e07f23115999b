#pragma once

#include <QString>
#include <array>
#include <cstdint>

class Dialogs;
class PrinterSurface;

// Page 0 of the job as the window holds it.
struct SameNumberJob
{
    static constexpr int kPositions = 6;
    QString desde = QStringLiteral("0000");
    QString hasta = QStringLiteral("0001");
    std::array<QString, kPositions> posX{};
    std::array<QString, kPositions> posY{};
    std::array<bool, kPositions> off{}; // a checked disable box: the position is not printed
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
};

// True for the outcomes after which the run counts as the last print.
inline bool recordsLastPrint(RunOutcome outcome)
{
    return outcome == RunOutcome::Printed || outcome == RunOutcome::DigitsMismatch;
}

// The same-number run: one sheet per number of the range, the number at every enabled position.
RunOutcome runSameNumber(const SameNumberJob &job, const FontChoice &font, PrinterSurface &printer,
                         Dialogs &dialogs);
