#include "TestPrints.h"

#include "Dialogs.h"
#include "NumberText.h"
#include "PrinterSurface.h"
#include "RunMessages.h"
#include "RuntimeError.h"

#include <functional>

namespace {

// The classic loop counter is a 16-bit whole number: stepping past 32767 overflows.
int16_t step1000(int16_t value)
{
    if (int(value) + 1000 > 32767)
        throw RuntimeError::overflow();
    return int16_t(value + 1000);
}

void drawGrid(PrinterSurface &printer, Dialogs &dialogs)
{
    printer.printText(QString()); // begins the document
    printer.setFontSize(10);
    dialogs.message(TestPrints::gridNotice(), RunMessages::kTitle, Dialogs::Icon::Information);

    const int16_t w = NumberText::toInt16(double(printer.scaleWidth()) - 1000);
    for (int16_t x = 0; x <= w; x = step1000(x)) {
        printer.setCurrentPosition(x, 0);
        printer.printText(QString::number(x) + QStringLiteral(",0"));
        printer.line(x, 0, x, printer.scaleHeight());
    }
    const int16_t h = NumberText::toInt16(double(printer.scaleHeight()));
    for (int16_t y = 0; y <= h; y = step1000(y)) {
        printer.setCurrentPosition(0, y);
        printer.printText(QStringLiteral("0,") + QString::number(y));
        printer.line(0, y, printer.scaleWidth(), y);
    }
    printer.endDoc();
}

void drawRectangle(const QString &posX0, const QString &posY0, PrinterSurface &printer, Dialogs &dialogs)
{
    dialogs.message(TestPrints::rectangleNotice(), RunMessages::kTitle, Dialogs::Icon::Information);
    const float x = NumberText::toSingle(NumberText::strictDouble(posX0));
    const float y = NumberText::toSingle(NumberText::strictDouble(posY0));
    printer.line(x, y, x + 1500, y); // begins the document
    printer.lineTo(x + 1500, y + 500);
    printer.lineTo(x, y + 500);
    printer.lineTo(x, y);
    printer.endDoc();
}

bool guarded(Dialogs &dialogs, const std::function<void()> &print)
{
    try {
        print();
        return true;
    } catch (const RuntimeError &error) {
        dialogs.message(error.description(), RunMessages::kTitle, Dialogs::Icon::None);
        return false;
    }
}

} // namespace

bool TestPrints::grid(PrinterSurface &printer, Dialogs &dialogs)
{
    return guarded(dialogs, [&] { drawGrid(printer, dialogs); });
}

bool TestPrints::rectangle(const QString &posX0, const QString &posY0, PrinterSurface &printer,
                           Dialogs &dialogs)
{
    return guarded(dialogs, [&] { drawRectangle(posX0, posY0, printer, dialogs); });
}
