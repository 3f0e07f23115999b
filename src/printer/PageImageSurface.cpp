#include "PageImageSurface.h"

#include "TemplateImage.h"

#include <QFontMetricsF>
#include <QPen>

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
    const QTransform toPixels = QTransform::fromTranslate(m_printable.left(), m_printable.top()) *
                                QTransform::fromScale(perTwip, perTwip);
    if (pdfTemplate()) {
        // Rendered at this sheet's resolution, so it is put down pixel for pixel. A template that
        // cannot be drawn was already refused before the preview opened; the sheet stays white.
        // A printer's correction moves the design as much as the numbers, as on paper.
        const QImage design = PdfTemplates::image(*pdfTemplate(), m_dpi);
        if (!design.isNull()) {
            m_painter.setWorldTransform(toPixels.inverted() * m_correction * toPixels);
            m_painter.drawImage(QPointF(0, 0), design);
        }
    }
    // As on the printer: twips from the printable area's corner, times the printer's zoom, then
    // the printer's correction.
    m_painter.setWorldTransform(QTransform::fromScale(m_zoom / 100.0, m_zoom / 100.0) * m_correction *
                                toPixels);
    m_painting.forgetStyle();
}

void PageImageSurface::deviceBeginDocument()
{
    m_correction = m_landing ? m_landing->correction(m_printable.topLeft()) : QTransform();
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
    land();
}

void PageImageSurface::land()
{
    if (!m_landing)
        return;
    // What the printer is sent for paper point p (millimetres) lands at offset + scale * p.
    const double perMm = m_dpi / 25.4;
    const QTransform moved(m_landing->scaleX, 0, 0, m_landing->scaleY, m_landing->offsetX * perMm,
                           m_landing->offsetY * perMm);
    const qreal perTwip = m_dpi / 1440.0;
    const QRectF reach(m_printable.topLeft() * perTwip, m_printable.size() * perTwip);
    QImage paper(m_image.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setWorldTransform(moved);
    painter.setClipRect(reach);
    painter.drawImage(QPointF(0, 0), m_image);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0, 120, 215), 0, Qt::DashLine));
    painter.drawRect(reach);
    painter.end();
    m_image = paper;
}

bool PageImageSurface::deviceDiscardDocument()
{
    m_painter.end();
    return true;
}
