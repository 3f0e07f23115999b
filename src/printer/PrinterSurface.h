#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

struct PrinterInfo
{
    QString deviceName;
    QString driverName;
    QString port;
};

// The one shared printer as the program draws on it. Coordinates are in scale units: twips
// (1/1440 inch) unless a user scale is set, origin at the top-left of the printable area.
// A document begins with the first drawing after an end; there is no explicit start. Every
// operation may fail with a RuntimeError (no printer, device error); a failure never cancels
// the document under way, and later drawing continues it.
class PrinterSurface
{
public:
    static constexpr int Portrait = 1;
    static constexpr int Landscape = 2;

    virtual ~PrinterSurface() = default;

    // Draws `text` with its top-left at the current position in the current font and colour,
    // then moves to the start of the next line. An empty text only moves down a line.
    virtual void printText(const QString &text) = 0;

    virtual float currentX() const = 0;
    virtual float currentY() const = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    void setCurrentPosition(float x, float y)
    {
        setCurrentX(x);
        setCurrentY(y);
    }

    virtual QString fontName() const = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual float fontSize() const = 0;
    virtual void setFontSize(float points) = 0;
    // Colour as the classic 32-bit value, red in the low byte.
    virtual int32_t foreColor() const = 0;
    virtual void setForeColor(int32_t color) = 0;

    virtual float scaleLeft() const = 0;
    virtual float scaleTop() const = 0;
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;
    // A user scale: the printable area spans `width` x `height` units from (left, top).
    virtual void setUserScale(float left, float top, float width, float height) = 0;
    // Back to twips from the top-left of the printable area.
    virtual void resetScale() = 0;

    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;

    // A line (or, with `box`, a rectangle outline) in `color` or the current colour; the
    // current position moves to the second corner.
    virtual void line(float x1, float y1, float x2, float y2, std::optional<int32_t> color = {},
                      bool box = false) = 0;
    // A line from the current position.
    void lineTo(float x2, float y2, std::optional<int32_t> color = {})
    {
        line(currentX(), currentY(), x2, y2, color);
    }

    // Ends the sheet; the next drawing goes onto a new one. A new page directly followed by the
    // end of the document adds no blank sheet.
    virtual void newPage() = 0;
    // Hands the document to the system. Without an open document it does nothing.
    virtual void endDoc() = 0;
    virtual bool documentOpen() const = 0;

    virtual QList<PrinterInfo> printers() const = 0;
    virtual int currentPrinterIndex() const = 0;
    virtual void setCurrentPrinter(int index) = 0;
};
