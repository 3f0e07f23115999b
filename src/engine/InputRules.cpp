#include "InputRules.h"

#include "Dialogs.h"
#include "Logging.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "RuntimeError.h"

#include <cmath>

namespace InputRules {

KeyAction numberKey(char16_t code)
{
    if ((code >= u'0' && code <= u'9') || code == 8)
        return KeyAction::Pass;
    return code == 0 ? KeyAction::Tab : KeyAction::Discard;
}

ChainAction enableChain(int index, bool previousChecked)
{
    if (index <= 0)
        return ChainAction::None;
    return previousChecked ? ChainAction::PutBack : ChainAction::ApplyToBoxes;
}

std::optional<QString> rowEndFill(const QString &desde, double firstRowSpan)
{
    try {
        const double end = NumberText::strictDouble(desde) + firstRowSpan;
        if (!std::isfinite(end)) // a first row too wide to count has no end to give
            return std::nullopt;
        return NumberText::plainDecimal(end);
    } catch (const RuntimeError &e) {
        // Not an error: a start that is no number yet gives no end to fill in.
        qCDebug(lcApp).noquote() << "No row end to fill:" << describeFailure(e);
        return std::nullopt;
    }
}

bool rowCountCheck(int row, const RowEnds &ends, double &FirstRowSpan, Dialogs &dialogs,
                   const std::function<void(const QString &)> &setHasta)
{
    try {
        const double first = NumberText::strictDouble(ends.desde0);
        const double last = NumberText::strictDouble(ends.hasta0);
        if (!(last > first))
            return false;
        if (row == 0) {
            FirstRowSpan = last - first;
            return false;
        }
        const double start = NumberText::strictDouble(ends.desde);
        const double end = start + FirstRowSpan;
        if (!std::isfinite(end) || NumberText::strictDouble(ends.hasta) - start == FirstRowSpan)
            return false;
        dialogs.message(rowCountMismatch(), RunMessages::kTitle, Dialogs::Icon::Exclamation);
        setHasta(NumberText::plainDecimal(end));
        return true;
    } catch (const RuntimeError &e) {
        // Not an error: rows that are no numbers yet are not compared; the run refuses them.
        qCDebug(lcApp).noquote() << "Row count not checked:" << describeFailure(e);
        return false;
    }
}

QString outOfAreaMessage(Axis axis, const QString &limit)
{
    return QCoreApplication::translate(
               "InputRules",
               "El valor introducido no está dentro del rango imprimible de la hoja. El máximo permitido "
               "deberá ser (%1) aproximadamente dependiendo de la cantidad de números a imprimir y el tamaño "
               "de fuente. ¡El valor en el campo %2 será ajustado automaticamente!")
        .arg(limit, axis == Axis::X ? QStringLiteral("(Pos. X)") : QStringLiteral("(Pos. Y)"));
}

void printableAreaCheck(Axis axis, const QString &text, const PrinterSurface &printer, Dialogs &dialogs,
                        const std::function<void(const QString &)> &setText)
{
    float limit = 0;
    try {
        limit = (axis == Axis::X ? printer.scaleWidth() : printer.scaleHeight()) - kPrintMarginUnits;
    } catch (const std::exception &e) {
        // Not an error here: with no printer to measure against there is nothing to check, and
        // the run says why it cannot print.
        qCDebug(lcPrint).noquote() << "Printable area not checked:" << describeFailure(e);
        return;
    }
    bool outside = true;
    try {
        outside = float(NumberText::strictInt16(text)) >= limit;
    } catch (const RuntimeError &e) {
        // Not an error: empty, not a number or beyond 16 bits is treated as outside.
        qCDebug(lcApp).noquote() << "Position taken as outside:" << describeFailure(e);
    }
    if (!outside)
        return;
    const QString limitText = NumberText::plainDecimalSingle(limit);
    dialogs.message(outOfAreaMessage(axis, limitText), RunMessages::kTitle, Dialogs::Icon::Exclamation);
    setText(limitText);
}

} // namespace InputRules
