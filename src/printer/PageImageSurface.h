#pragma once

#include "PrinterCalibration.h"
#include "SheetPainting.h"
#include "SurfaceBase.h"

#include <QImage>
#include <QPainter>
#include <optional>

// One sheet drawn into an image instead of onto paper: the sheet and printable area of a real
// printer at a chosen resolution, drawn through the same surface rules as a print. Used to
// preview a job sheet by sheet. Only the last sheet drawn is kept. By default no printer
// calibration applies: the image shows the job's own positions, which is where a calibrated
// printer puts them; setLanding() shows instead what one real printer does with the sheet.
class PageImageSurface final : public SurfaceBase
{
public:
    // `sheet` is the paper in twips as oriented, `printable` the printable area on it.
    PageImageSurface(QSizeF sheet, QRectF printable, double dotsPerInch, int32_t zoomPercent = 100);

    // The sheet as drawn since the document began, white where nothing was drawn.
    const QImage &image() const { return m_image; }

    // From the next document on, the sheet as it lands on the paper of a printer `measured`
    // describes: drawn through the correction a run applies for that printer, cut to the
    // printable area the printer can reach, then moved as the printer moves what it is sent.
    // The edge of that area on the paper is outlined. Nothing: the job's own positions.
    void setLanding(std::optional<PrinterCalibration> measured) { m_landing = measured; }

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
    void land();

    QSizeF m_sheet;
    QRectF m_printable;
    double m_dpi;
    int32_t m_zoom;
    std::optional<PrinterCalibration> m_landing;
    QTransform m_correction; // of m_landing, for the document under way
    QImage m_image;
    QPainter m_painter;
    SheetPainting m_painting;
};
