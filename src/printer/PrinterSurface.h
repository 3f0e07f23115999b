#pragma once

#include "PdfTemplate.h"
#include "PrinterCalibration.h"
#include "RuntimeError.h"

#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QString>
#include <QThread>
#include <cstdint>
#include <functional>
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
// The page and device settings the printer setup dialog shows, as one printer reports them. Width and height
// are the sheet's in twips as it is oriented; the scale values are those of the current scale.
struct PrinterSettings
{
    int32_t width = 0;
    int32_t height = 0;
    float scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;
    int32_t zoom = 100;      // percent
    int16_t paperSize = 0;   // the classic paper codes: 9 A4, 11 A5, 256 user size
    int16_t orientation = 1; // 1 portrait, 2 landscape
    int16_t colorMode = 1;   // 1 monochrome, 2 colour
    int16_t copies = 1;
    int16_t printQuality = 0; // -1 draft .. -4 high, or dots per inch
};

// Told by a printer that follows its jobs at the spooler how far the printer got, and asked
// whether to go on waiting for it.
class SpoolerWatch
{
public:
    virtual ~SpoolerWatch() = default;
    // The first `sheets` sheets of the run came out of the printer (every part up to them
    // completed); `jobs` lists the run's parts as the run log keeps them.
    virtual void printerConfirmed(qint64 sheets, const QString &jobs)
    {
        Q_UNUSED(sheets)
        Q_UNUSED(jobs)
    }
    // The printer's state in words; empty when it prints normally.
    virtual void printerState(const QString &words) { Q_UNUSED(words) }
    // Asked every tenth of a second while the run waits for the printer; false stops the run.
    virtual bool keepWaiting() { return true; }
    // True: a stopped printer (a paused queue, a jam it holds) is waited for while keepWaiting()
    // says so; false: it stops the run as a fault does.
    virtual bool waitsForStoppedPrinter() const { return false; }
    // The run has nothing to do for `ms` while the printer prints. A run on a thread of its own
    // gives the window its turn meanwhile.
    virtual void idle(int ms) { QThread::msleep(ms); }
};

// A job of a run that the system did not take or the printer did not finish: the run cannot go
// on. `sheetsSent` sheets of the run, from its first, came out: the parts before it went out
// (a printer that follows its jobs: the parts the printer completed).
class RunPartRefused : public RuntimeError
{
public:
    RunPartRefused(const QString &description, qint64 sheetsSent)
        : RuntimeError(PrinterError, description), m_sheetsSent(sheetsSent)
    {}
    qint64 sheetsSent() const { return m_sheetsSent; }

private:
    qint64 m_sheetsSent;
};

// A run the user stopped while it waited for the printer: the parts at the spooler were
// cancelled, and `sheetsConfirmed` sheets of the run came out.
class RunStoppedWaiting : public RuntimeError
{
public:
    explicit RunStoppedWaiting(qint64 sheetsConfirmed)
        : RuntimeError(PrinterError, QStringLiteral("Impresión detenida.")), m_confirmed(sheetsConfirmed)
    {}
    qint64 sheetsConfirmed() const { return m_confirmed; }

private:
    qint64 m_confirmed;
};

class PrinterSurface
{
public:
    static constexpr int Portrait = 1;
    static constexpr int Landscape = 2;

    virtual ~PrinterSurface() = default;

    // Draws `text` with its top-left at the current position in the current font and colour,
    // then moves to the start of the next line. An empty text only moves down a line.
    virtual void printText(const QString &text) = 0;

    // How printShapes draws: `caption` goes centred under the shapes in the current font and
    // colour; the shapes take `color` (the current colour when empty); with `clearTwips` set, a
    // white box this far around shapes and caption goes under them first, so a scanner sees
    // nothing else there.
    struct ShapeStyle
    {
        QString caption;
        std::optional<int32_t> color;
        std::optional<QMarginsF> clearTwips;
    };

    // Fills the rectangles `shapesTwips` (twips from their top-left, `sizeTwips` in all) with their
    // top-left at the current position, at their size whatever the scale, as `style` says. The
    // position then moves to the start of the line below, as after printText.
    virtual void printShapes(const QList<QRectF> &shapesTwips, const QSizeF &sizeTwips,
                             const ShapeStyle &style = {}) = 0;

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
    // A run from the window lets the window work between its sheets; what the window sets then
    // must not change the run. While held, a new orientation waits aside (orientation() tells
    // it); releaseWindowSettings() hands what waits to the printer once the run has ended.
    virtual void holdWindowSettings(bool held) { Q_UNUSED(held) }
    virtual void releaseWindowSettings() {}

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
    // Drops the open document without handing it over: nothing of it is printed or kept (the PDF
    // printer removes its file). A printer that cannot take back what it was given keeps the
    // document open, and later drawing continues it. Without an open document it does nothing.
    virtual void discardDocument() = 0;
    virtual bool documentOpen() const = 0;
    // Where the printable area (the origin of the coordinates) lies on the sheet, in twips, as
    // oriented.
    virtual QRectF printableAreaTwips() const { return QRectF(0, 0, width(), height()); }
    // Told before the first sheet of a print run how many sheets it holds; each newPage() of
    // the run ends one of them.
    virtual void beginRun(qint64 sheets) { Q_UNUSED(sheets); }
    // The name the system's queue shows for the next jobs: the document's file name, so a user
    // can tell the parts of one run from another's. Empty: the program's name.
    virtual void setJobName(const QString &name) { Q_UNUSED(name); }
    // A printer that follows its jobs at the spooler reports how far the printer got to `watch`
    // (nullptr: nobody), and a run on it ends only when the printer completed its last part.
    virtual bool confirmsSheets() const { return false; }
    virtual void setSpoolerWatch(SpoolerWatch *watch) { Q_UNUSED(watch) }
    // Ends a run the user stopped: a printer that follows its jobs drops the part under way and
    // cancels the parts still at the spooler; any other ends the document as endDoc() does.
    virtual void stopRun() { endDoc(); }
    // A run on a system queue of more sheets than this goes out as several jobs of at most this
    // many sheets each; 0 keeps every run one job. Printers that write files ignore it.
    virtual void setSheetsPerJob(qint64 sheets) { Q_UNUSED(sheets); }
    // Where each printer's measured distortion comes from, by the printer's name. Looked up as
    // every document begins, and undone for everything drawn in it.
    using CalibrationSource = std::function<std::optional<PrinterCalibration>(const QString &printer)>;
    virtual void setCalibrationSource(CalibrationSource source) { Q_UNUSED(source); }
    // Off while the calibration sheet itself prints: it must show the printer's own distortion.
    // Takes effect from the next document.
    virtual void setCalibrationEnabled(bool on) { Q_UNUSED(on); }

    virtual QList<PrinterInfo> printers() const = 0;
    virtual int currentPrinterIndex() const = 0;
    // Another printer made current starts from its own settings, as printerSettings() reported
    // them; only the orientation, which the job sets, stays. The user scale goes: it was drawn
    // over the other printer's area.
    virtual void setCurrentPrinter(int index) = 0;
    // Reads the installed printers again: queues added since appear, removed ones go. The current
    // printer stays current under its new index, and stays listed while current even when it is
    // gone, so that no run moves to another printer unasked.
    virtual void refreshPrinters() {}

    // Page and device settings. Each setter either takes the value whole or throws a
    // RuntimeError whose description names the setting, leaving the printer as it was.
    static constexpr int ColorMonochrome = 1;
    static constexpr int ColorColor = 2;
    static constexpr int PaperUser = 256;
    // Error number of a setting the printer does not offer.
    static constexpr int PropertyNotSupported = 483;

    virtual int32_t width() const = 0; // the sheet, twips, as oriented
    virtual int32_t height() const = 0;
    virtual void setWidth(int32_t twips) = 0;
    virtual void setHeight(int32_t twips) = 0;
    virtual int16_t paperSize() const = 0;
    virtual void setPaperSize(int16_t code) = 0;
    virtual int16_t colorMode() const = 0;
    virtual void setColorMode(int16_t mode) = 0;
    virtual int16_t copies() const = 0;
    virtual void setCopies(int16_t copies) = 0;
    virtual int16_t printQuality() const = 0;
    virtual void setPrintQuality(int16_t quality) = 0;
    virtual int32_t zoom() const = 0;
    virtual void setZoom(int32_t percent) = 0;

    // One scale value at a time: the others keep what they are, and the scale becomes a user
    // scale. A width or height of 0 or below, or a value beyond +-1e9, is refused.
    void setScaleLeft(float left)
    {
        setUserScale(checkedScale(left, false, "El margen izquierdo"), scaleTop(), scaleWidth(),
                     scaleHeight());
    }
    void setScaleTop(float top)
    {
        setUserScale(scaleLeft(), checkedScale(top, false, "El margen superior"), scaleWidth(),
                     scaleHeight());
    }
    void setScaleWidth(float width)
    {
        setUserScale(scaleLeft(), scaleTop(), checkedScale(width, true, "La anchura de escala"),
                     scaleHeight());
    }
    void setScaleHeight(float height)
    {
        setUserScale(scaleLeft(), scaleTop(), scaleWidth(),
                     checkedScale(height, true, "La altura de escala"));
    }

    // The current printer's settings, read through the properties above.
    PrinterSettings currentSettings() const;
    // What printer `index` of the collection reports: the current printer's settings, or for
    // any other member its own defaults in the current orientation, which it would print in.
    virtual PrinterSettings printerSettings(int index) const = 0;

    // The designed page every sheet carries under the numbers, from the next document on; none
    // by default. Printers that cannot draw it ignore it.
    const std::optional<PdfTemplate> &pdfTemplate() const { return m_template; }
    void setPdfTemplate(std::optional<PdfTemplate> page) { m_template = std::move(page); }

protected:
    static float checkedScale(float value, bool extent, const char *what);

private:
    std::optional<PdfTemplate> m_template;
};
