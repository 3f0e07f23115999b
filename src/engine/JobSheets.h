#pragma once

#include <QString>
#include <QtGlobal>

class PrinterSurface;

// The sheets of a checked job, each drawn on demand: the print runs draw them one after the
// other, the preview only the one on screen, so both show the same thing.
class JobSheets
{
public:
    virtual ~JobSheets() = default;
    virtual qint64 count() const = 0;
    // The number sheet `sheet` (from 0) carries, as printed; for several rows, the first row's.
    virtual QString number(qint64 sheet) const = 0;
    // Font, size and colour, set once before the first sheet.
    virtual void applyFont(PrinterSurface &printer) const = 0;
    // Everything on sheet `sheet`, without the page break that follows it.
    virtual void draw(qint64 sheet, PrinterSurface &printer) const = 0;
    // Throws RuntimeError when something the sheets carry cannot come out whole on `printer`
    // (a code running off its printable area); checked before the run starts.
    virtual void checkFits(const PrinterSurface &printer) const { Q_UNUSED(printer); }
};
