#include "TestPage.h"

#include "PrinterSurface.h"

#include <QString>

void TestPage::print(PrinterSurface &printer)
{
    printer.printText(QString()); // starts the document, one line down
    // The scale values are read anew for every step.
    printer.line(printer.scaleLeft(), printer.scaleTop(), printer.scaleWidth(), printer.scaleHeight(), 0,
                 true);
    printer.line(printer.scaleLeft(), printer.scaleTop(), printer.scaleWidth(), printer.scaleHeight(), 0);
    printer.line(printer.scaleLeft(), printer.scaleHeight(), printer.scaleWidth(), printer.scaleTop(), 0);
    printer.setCurrentY(500);
    for (int size = 10; size <= 70; size += 5) {
        printer.setFontSize(float(size));
        printer.setCurrentX(0);
        printer.printText(QString::fromUtf8(kMakerName));
    }
    printer.endDoc();
}
