#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class Dialogs;
class PrinterSurface;

// The rules the main window applies while a job is edited. They take plain values and
// callbacks, so they know nothing about the widgets that hold the job.
namespace InputRules {

inline QString rowCountMismatch()
{
    return QCoreApplication::translate(
        "InputRules",
        "La cantidad de números a imprimir no coincide con la con la cantidad de la primera fila! El valor "
        "se ajustará automaticamente cuando presione aceptar.");
}

// Key filter of the number boxes.
enum class KeyAction {
    Pass,    // digits and Backspace
    Discard, // every other character
    Tab,     // code 0: move on to the next control, then discard
};
KeyAction numberKey(char16_t code);

// Enable chain of the disable boxes (Check1 positions, Check2 rows), run on every change of
// box `index`.
enum class ChainAction {
    None,         // box 0: its text boxes always stay enabled
    ApplyToBoxes, // the previous one is on: the text boxes follow this box (ChequearControl)
    PutBack,      // the previous one is off: this box goes back to checked
};
ChainAction enableChain(int index, bool previousChecked);

// Entering hasta(1..3): the end that gives the row as many numbers as the first row, without
// zero padding; nothing when `desde` is not a number or the span is too wide to add (infinite).
std::optional<QString> rowEndFill(const QString &desde, double firstRowSpan);

// Leaving hasta(row). Only acts on an ascending first row: leaving hasta(0) sets FirstRowSpan;
// leaving another row's end whose count disagrees shows the message and puts the matching end
// through `setHasta`. Returns true in that case, so the caller can give the focus back.
// Boxes that are not numbers, and a span too wide to add, end the check silently.
struct RowEnds
{
    QString desde0, hasta0;
    QString desde, hasta; // of `row`
};
bool rowCountCheck(int row, const RowEnds &ends, double &FirstRowSpan, Dialogs &dialogs,
                   const std::function<void(const QString &)> &setHasta);

// Leaving txtPosX(i) / txtPosY(i): a position at or beyond the printable width (height) less
// the margin, or one that is no 16-bit whole number, is replaced by that limit after a message.
// Without a printer nothing happens.
enum class Axis { X, Y };
constexpr float kPrintMarginUnits = 1000;
void printableAreaCheck(Axis axis, const QString &text, const PrinterSurface &printer, Dialogs &dialogs,
                        const std::function<void(const QString &)> &setText);
QString outOfAreaMessage(Axis axis, const QString &limit);

} // namespace InputRules
