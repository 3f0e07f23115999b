#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

class PrinterSurface;
class RangeNumber;

// Where a ticket came out: the sheet (from 0; the first of its set when sheets are repeated) and
// the place on it (a row of a distinct-number job; a same-number sheet is one ticket, however
// many positions repeat its number).
struct TicketPlace
{
    qint64 sheet;
    int place;
    friend bool operator==(const TicketPlace &, const TicketPlace &) = default;
};

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

    // Tickets: the places of a sheet that carry a number of their own.
    virtual int places() const { return 1; }
    // The number at `place` of `sheet`, as printed; nothing for a place left blank.
    virtual std::optional<QString> numberAt(qint64 sheet, int place) const
    {
        return place == 0 ? std::optional<QString>(number(sheet)) : std::nullopt;
    }
    // Only what `place` of `sheet` carries.
    virtual void drawPlace(qint64 sheet, int place, PrinterSurface &printer) const
    {
        if (place == 0)
            draw(sheet, printer);
    }
    // Where the run prints `number`; nothing when it does not.
    virtual std::optional<TicketPlace> locate(const RangeNumber &number) const
    {
        Q_UNUSED(number);
        return std::nullopt;
    }
    // How many times in a row each sheet comes out (receipt-book sets).
    virtual int copies() const { return 1; }
    // Numbers printed (sets counted once) and the last of them in the run's order.
    virtual qint64 tickets() const { return count() / copies(); }
    virtual QString lastNumber() const { return number(count() - 1); }
    // Blocks of a cut-and-stack run; 1 for any other.
    virtual qint64 blocks() const { return 1; }
    // The block (from 0) sheet `sheet` belongs to.
    virtual qint64 blockOf(qint64 sheet) const
    {
        Q_UNUSED(sheet);
        return 0;
    }
};
