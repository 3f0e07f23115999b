#include "PageImageSurface.h"

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
    // As on the printer: twips from the printable area's corner, times the printer's zoom.
    m_painter.scale(perTwip, perTwip);
    m_painter.translate(m_printable.topLeft());
    m_painter.scale(m_zoom / 100.0, m_zoom / 100.0);
    m_appliedStyle = ~quint64(0);
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
    if (m_appliedStyle == styleGeneration())
        return;
    m_painter.setFont(font());
    m_painter.setPen(penColor());
    m_ascent = QFontMetricsF(font()).ascent();
    m_appliedStyle = styleGeneration();
}

void PageImageSurface::deviceDrawText(const QPointF &topLeftTwips, const QString &text)
{
    applyStyle();
    m_painter.drawText(QPointF(topLeftTwips.x(), topLeftTwips.y() + m_ascent), text);
}

void PageImageSurface::deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box)
{
    applyStyle();
    m_painter.save();
    m_painter.setPen(QPen(color, 0));
    if (box)
        m_painter.drawRect(QRectF(from, to).normalized());
    else
        m_painter.drawLine(from, to);
    m_painter.restore();
}

void PageImageSurface::deviceEndDocument()
{
    m_painter.end();
}
