#pragma once

#include "SheetPainting.h"
#include "SurfaceBase.h"

#include <QImage>
#include <QPainter>

// One sheet drawn into an image instead of onto paper: the sheet and printable area of a real
// printer at a chosen resolution, drawn through the same surface rules as a print. Used to
// preview a job sheet by sheet. Only the last sheet drawn is kept. No printer calibration applies:
// the preview shows the job's own positions, which is where a calibrated printer puts them.
class PageImageSurface final : public SurfaceBase
{
public:
    // `sheet` is the paper in twips as oriented, `printable` the printable area on it.
    PageImageSurface(QSizeF sheet, QRectF printable, double dotsPerInch, int32_t zoomPercent = 100);

    // The sheet as drawn since the document began, white where nothing was drawn.
    const QImage &image() const { return m_image; }

    QList<PrinterInfo> printers() const override { return {}; }
    int currentPrinterIndex() const override { return 0; }
    void setCurrentPrinter(int) override {}
    int32_t width() const override { return int32_t(m_sheet.width()); }
    int32_t height() const override { return int32_t(m_sheet.height()); }
    void setWidth(int32_t) override {}
    void setHeight(int32_t) override {}
    int16_t paperSize() const override { return 0; }
    void setPaperSize(int16_t) override {}
    int16_t colorMode() const override { return ColorColor; }
    void setColorMode(int16_t) override {}
    int16_t copies() const override { return 1; }
    void setCopies(int16_t) override {}
    int16_t printQuality() const override { return 0; }
    void setPrintQuality(int16_t) override {}
    int32_t zoom() const override { return m_zoom; }
    void setZoom(int32_t) override {}
    PrinterSettings printerSettings(int) const override { return currentSettings(); }
    QRectF printableAreaTwips() const override { return m_printable; }

protected:
    void checkReady() const override {}
    QSizeF printableTwips() const override { return m_printable.size(); }
    int deviceOrientation() const override;
    void deviceSetOrientation(int) override {}
    void deviceBeginDocument() override;
    void deviceNewPage() override;
    void deviceDrawText(const QPointF &topLeftTwips, const QString &text) override;
    void deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box) override;
    void deviceEndDocument() override;
    bool deviceDiscardDocument() override;
    void deviceFill(const QPointF &topLeftTwips, const QList<QRectF> &shapes, const QColor &color) override;

private:
    void startSheet();
    void applyStyle();

    QSizeF m_sheet;
    QRectF m_printable;
    double m_dpi;
    int32_t m_zoom;
    QImage m_image;
    QPainter m_painter;
    SheetPainting m_painting;
};
