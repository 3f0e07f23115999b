#pragma once

#include "PrinterSurface.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

// The behaviour every printer shares: current position, font, colour, scale mapping, the
// implicit document start and the deferred page break. Devices implement the hooks, which
// receive twips measured from the top-left of the printable area.
class SurfaceBase : public PrinterSurface
{
public:
    SurfaceBase();

    void printText(const QString &text) final;
    void printShapes(const QList<QRectF> &shapesTwips, const QSizeF &sizeTwips,
                     const ShapeStyle &style = {}) final;

    float currentX() const final { return m_x; }
    float currentY() const final { return m_y; }
    void setCurrentX(float x) final;
    void setCurrentY(float y) final;

    QString fontName() const final { return m_fontName; }
    void setFontName(const QString &name) final;
    float fontSize() const final { return m_fontSize; }
    void setFontSize(float points) final;
    int32_t foreColor() const final { return m_foreColor; }
    void setForeColor(int32_t color) final;

    float scaleLeft() const final;
    float scaleTop() const final;
    float scaleWidth() const final;
    float scaleHeight() const final;
    void setUserScale(float left, float top, float width, float height) final;
    void resetScale() final;

    int orientation() const final;
    void setOrientation(int orientation) final;
    void holdWindowSettings(bool held) final { m_windowHeld = held; }
    void releaseWindowSettings() final;

    void line(float x1, float y1, float x2, float y2, std::optional<int32_t> color = {},
              bool box = false) final;
    void newPage() final;
    void endDoc() final;
    void discardDocument() final;
    bool documentOpen() const final { return m_documentOpen; }
    void setCalibrationSource(CalibrationSource source) final { m_calibrationSource = std::move(source); }
    void setCalibrationEnabled(bool on) final { m_calibrationOn = on; }

protected:
    // Throws when there is no usable printer.
    virtual void checkReady() const = 0;
    virtual QSizeF printableTwips() const = 0;
    virtual int deviceOrientation() const = 0;
    virtual void deviceSetOrientation(int orientation) = 0;
    virtual void deviceBeginDocument() = 0;
    virtual void deviceNewPage() = 0;
    virtual void deviceDrawText(const QPointF &topLeftTwips, const QString &text) = 0;
    virtual void deviceLine(const QPointF &fromTwips, const QPointF &toTwips, const QColor &color,
                            bool box) = 0;
    virtual void deviceEndDocument() = 0;
    // Drops the document under way; false when the device cannot take it back.
    virtual bool deviceDiscardDocument() = 0;
    // Rectangles in twips from `topLeftTwips`, filled in `color`.
    virtual void deviceFill(const QPointF &topLeftTwips, const QList<QRectF> &shapes,
                            const QColor &color) = 0;

    // The font as drawn: its pixel size is in twips (20 per point).
    const QFont &font() const { return m_font; }
    QColor penColor() const { return m_penColor; }
    // Bumped whenever font or colour change, so devices can cache what they derive from them.
    quint64 styleGeneration() const { return m_styleGeneration; }
    // The document's correction of the printer's distortion, from twips on the printable area to
    // twips as the device must draw them; identity for an uncalibrated printer. Devices apply it
    // to everything they draw (their painter's world transform).
    const QTransform &calibration() const { return m_calibration; }
    // Called when the device changes (another printer chosen): the document state resets.
    void forgetDocument();

private:
    void ensurePage();
    void beginDocument();
    void updateFont();
    QPointF toTwips(float x, float y) const;
    double unitsPerTwipX() const;
    double unitsPerTwipY() const;

    float m_x = 0, m_y = 0;
    QString m_fontName;
    float m_fontSize = 12;
    int32_t m_foreColor = 0;
    QColor m_penColor = Qt::black;
    QFont m_font;
    double m_lineHeightTwips = 0;
    quint64 m_styleGeneration = 0;
    std::optional<QRectF> m_userScale;
    bool m_documentOpen = false;
    bool m_windowHeld = false;
    std::optional<int> m_waitingOrientation; // set by the window while a run held it
    bool m_pageBreakPending = false;
    CalibrationSource m_calibrationSource;
    bool m_calibrationOn = true;
    QTransform m_calibration;
};
