#include "PageImageSurface.h"

#include "TemplateImage.h"

#include <QFontMetricsF>

PageImageSurface::PageImageSurface(QSizeF sheet, QRectF printable, double dotsPerInch, int32_t zoomPercent)
    : m_sheet(sheet), m_printable(printable), m_dpi(dotsPerInch), m_zoom(zoomPercent)
{
    startSheet(); // a sheet with nothing drawn on it is blank paper
}

int PageImageSurface::deviceOrientation() const
{
    return m_sheet.width() > m_sheet.height() ? Landscape : Portrait;
}

void PageImageSurface::startSheet()
{
    if (m_painter.isActive())
        m_painter.end();
    const qreal perTwip = m_dpi / 1440.0;
    m_image = QImage(qMax(1, qRound(m_sheet.width() * perTwip)), qMax(1, qRound(m_sheet.height() * perTwip)),
                     QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    if (pdfTemplate()) {
        // Rendered at this sheet's resolution, so it is put down pixel for pixel. A template that
        // cannot be drawn was already refused before the preview opened; the sheet stays white.
        const QImage design = PdfTemplates::image(*pdfTemplate(), m_dpi);
        if (!design.isNull())
            m_painter.drawImage(QPointF(0, 0), design);
    }
    // As on the printer: twips from the printable area's corner, times the printer's zoom.
    m_painter.scale(perTwip, perTwip);
    m_painter.translate(m_printable.topLeft());
    m_painter.scale(m_zoom / 100.0, m_zoom / 100.0);
    m_painting.forgetStyle();
}

void PageImageSurface::deviceBeginDocument()
{
    startSheet();
}

void PageImageSurface::deviceNewPage()
{
    startSheet();
}

void PageImageSurface::applyStyle()
{
    m_painting.applyStyle(m_painter, font(), penColor(), styleGeneration());
}

void PageImageSurface::deviceDrawText(const QPointF &topLeftTwips, const QString &text)
{
    applyStyle();
    m_painting.text(m_painter, topLeftTwips, text);
}

void PageImageSurface::deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box)
{
    applyStyle();
    SheetPainting::line(m_painter, from, to, color, box);
}

void PageImageSurface::deviceFill(const QPointF &topLeft, const QList<QRectF> &shapes, const QColor &color)
{
    m_painting.fill(m_painter, topLeft, shapes, color);
}

void PageImageSurface::deviceEndDocument()
{
    m_painter.end();
}

bool PageImageSurface::deviceDiscardDocument()
{
    m_painter.end();
    return true;
}
