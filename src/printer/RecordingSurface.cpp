#include "RecordingSurface.h"

#include "RuntimeError.h"

RecordingSurface::RecordingSurface()
    : m_printers{{QStringLiteral("Grabadora"), QStringLiteral("memoria"), QString()}}
{
}

QList<PrinterInfo> RecordingSurface::printers() const
{
    return m_available ? m_printers : QList<PrinterInfo>{};
}

void RecordingSurface::setCurrentPrinter(int index)
{
    if (index < 0 || index >= printers().size())
        throw RuntimeError::invalidPropertyValue();
    m_current = index;
}

void RecordingSurface::checkReady() const
{
    if (!m_available)
        throw RuntimeError(RuntimeError::NoPrinter,
                           QStringLiteral("Problema al obtener la información de impresora del sistema. "
                                          "Asegúrese de que la impresora está configurada correctamente."));
}

QSizeF RecordingSurface::printableTwips() const
{
    return m_orientation == Portrait ? m_portrait : m_portrait.transposed();
}

void RecordingSurface::deviceBeginDocument()
{
    m_documents.push_back({});
    m_documents.back().pages.push_back({m_orientation, {}, {}});
}

void RecordingSurface::deviceNewPage()
{
    m_documents.back().pages.push_back({m_orientation, {}, {}});
}

void RecordingSurface::deviceDrawText(const QPointF &topLeftTwips, const QString &text)
{
    m_documents.back().pages.back().texts.push_back({text, topLeftTwips, fontName(), fontSize(), foreColor()});
}

void RecordingSurface::deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box)
{
    m_documents.back().pages.back().lines.push_back({from, to, color, box});
}

void RecordingSurface::deviceEndDocument()
{
    m_documents.back().ended = true;
}
