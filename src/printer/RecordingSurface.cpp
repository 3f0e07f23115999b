#include "RecordingSurface.h"

#include "PrinterLimits.h"
#include "RuntimeError.h"

#include <QCoreApplication>
#include <QPageSize>
#include <cmath>

RecordingSurface::RecordingSurface()
    : m_printers{{QStringLiteral("Grabadora"), QStringLiteral("memoria"), QString()}}
{}

QList<PrinterInfo> RecordingSurface::printers() const
{
    if (!m_printersFailure.isEmpty())
        throw RuntimeError(RuntimeError::PrinterError, m_printersFailure);
    return m_available ? m_printers : QList<PrinterInfo>{};
}

void RecordingSurface::setCurrentPrinter(int index)
{
    if (index < 0 || index >= printers().size())
        throw RuntimeError::invalidPropertyValue();
    if (index == m_current)
        return;
    // Every member is the same fresh printer; the orientation is kept, as on a real one.
    const PrinterSettings fresh = printerSettings(index);
    m_current = index;
    m_portrait =
        m_orientation == Portrait ? QSizeF(fresh.width, fresh.height) : QSizeF(fresh.height, fresh.width);
    m_paper = fresh.paperSize;
    m_colorMode = fresh.colorMode;
    m_copies = fresh.copies;
    m_quality = fresh.printQuality;
    m_zoom = fresh.zoom;
    resetScale();
}

void RecordingSurface::checkReady() const
{
    if (!m_available)
        throw RuntimeError(
            RuntimeError::NoPrinter,
            QCoreApplication::translate("RecordingSurface",
                                        "Problema al obtener la información de impresora del sistema. "
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

QPointF RecordingSurface::landed(const QPointF &twips) const
{
    const QPointF sent = calibration().map(twips);
    if (m_distortion.isIdentity())
        return sent;
    constexpr double perMm = 1440 / 25.4;
    const QPointF origin = printableAreaTwips().topLeft();
    const QPointF paper = origin + sent;
    return QPointF((m_distortion.offsetX * perMm + m_distortion.scaleX * paper.x()),
                   (m_distortion.offsetY * perMm + m_distortion.scaleY * paper.y())) -
           origin;
}

void RecordingSurface::deviceDrawText(const QPointF &topLeftTwips, const QString &text)
{
    m_documents.back().pages.back().texts.push_back(
        {text, landed(topLeftTwips), fontName(), fontSize(), foreColor()});
}

void RecordingSurface::deviceLine(const QPointF &from, const QPointF &to, const QColor &color, bool box)
{
    m_documents.back().pages.back().lines.push_back({landed(from), landed(to), color, box});
}

void RecordingSurface::deviceFill(const QPointF &topLeft, const QList<QRectF> &shapes, const QColor &color)
{
    QRectF bounds;
    for (const QRectF &r : shapes)
        bounds |= r;
    m_documents.back().pages.back().fills.push_back({topLeft, bounds, color});
}

void RecordingSurface::deviceEndDocument()
{
    m_documents.back().ended = true;
}

bool RecordingSurface::deviceDiscardDocument()
{
    m_documents.pop_back();
    return true;
}

// Page and device settings --------------------------------------------------------------

void RecordingSurface::checkOffered(const char *property) const
{
    checkReady();
    if (m_refused.contains(QLatin1String(property)))
        throw RuntimeError(
            PropertyNotSupported,
            QCoreApplication::translate("RecordingSurface", "La impresora no admite ese valor de %1.")
                .arg(QLatin1String(property)));
}

void RecordingSurface::note(const char *property, double value)
{
    assignments << QStringLiteral("%1=%2").arg(QLatin1String(property)).arg(value);
}

int32_t RecordingSurface::width() const
{
    checkReady();
    return int32_t(std::lround(printableTwips().width()));
}

int32_t RecordingSurface::height() const
{
    checkReady();
    return int32_t(std::lround(printableTwips().height()));
}

void RecordingSurface::setWidth(int32_t twips)
{
    checkReady();
    PrinterLimits::checkWidth(twips);
    checkOffered("Width");
    if (orientation() == Portrait)
        m_portrait.setWidth(twips);
    else
        m_portrait.setHeight(twips);
    m_paper = PaperUser;
    note("Width", twips);
}

void RecordingSurface::setHeight(int32_t twips)
{
    checkReady();
    PrinterLimits::checkHeight(twips);
    checkOffered("Height");
    if (orientation() == Portrait)
        m_portrait.setHeight(twips);
    else
        m_portrait.setWidth(twips);
    m_paper = PaperUser;
    note("Height", twips);
}

int16_t RecordingSurface::paperSize() const
{
    checkReady();
    return m_paper;
}

void RecordingSurface::setPaperSize(int16_t code)
{
    checkReady();
    const QPageSize::PageSizeId id = code == PaperUser ? QPageSize::Custom : PrinterLimits::paperSizeId(code);
    checkOffered("PaperSize");
    if (code != PaperUser) {
        const QSizeF mm = QPageSize(id).size(QPageSize::Millimeter);
        m_portrait = QSizeF(std::round(mm.width() * 1440 / 25.4), std::round(mm.height() * 1440 / 25.4));
    }
    m_paper = code;
    note("PaperSize", code);
}

int16_t RecordingSurface::colorMode() const
{
    checkReady();
    return m_colorMode;
}

void RecordingSurface::setColorMode(int16_t mode)
{
    checkReady();
    PrinterLimits::checkColorMode(mode);
    checkOffered("ColorMode");
    m_colorMode = mode;
    note("ColorMode", mode);
}

int16_t RecordingSurface::copies() const
{
    checkReady();
    return m_copies;
}

void RecordingSurface::setCopies(int16_t copies)
{
    checkReady();
    PrinterLimits::checkCopies(copies);
    checkOffered("Copies");
    m_copies = copies;
    note("Copies", copies);
}

int16_t RecordingSurface::printQuality() const
{
    checkReady();
    return m_quality;
}

void RecordingSurface::setPrintQuality(int16_t quality)
{
    checkReady();
    PrinterLimits::checkPrintQuality(quality);
    checkOffered("PrintQuality");
    m_quality = quality;
    note("PrintQuality", quality);
}

int32_t RecordingSurface::zoom() const
{
    checkReady();
    return m_zoom;
}

void RecordingSurface::setZoom(int32_t percent)
{
    checkReady();
    PrinterLimits::checkZoom(percent);
    checkOffered("Zoom");
    m_zoom = percent;
    note("Zoom", percent);
}

PrinterSettings RecordingSurface::printerSettings(int index) const
{
    if (index < 0 || index >= printers().size())
        throw RuntimeError::invalidPropertyValue();
    if (index == m_current)
        return currentSettings();
    // Any other member reports the defaults of a fresh A4 printer, in the orientation kept.
    PrinterSettings s;
    const bool landscape = m_orientation == Landscape;
    s.width = landscape ? 16838 : 11906;
    s.height = landscape ? 11906 : 16838;
    s.scaleWidth = float(s.width);
    s.scaleHeight = float(s.height);
    s.orientation = int16_t(m_orientation);
    s.paperSize = 9;
    s.colorMode = ColorColor;
    s.printQuality = 600;
    return s;
}
