#include "SurfaceBase.h"

#include "RuntimeError.h"
#include "VbColor.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>
#include <utility>

SurfaceBase::SurfaceBase() : m_fontName(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family())
{
    updateFont();
}

void SurfaceBase::ensurePage()
{
    checkReady();
    if (!m_documentOpen) {
        beginDocument();
        m_pageBreakPending = false;
    } else if (m_pageBreakPending) {
        deviceNewPage();
        m_pageBreakPending = false;
    }
}

void SurfaceBase::beginDocument()
{
    // A section that does not describe a plausible printer counts as none.
    m_calibration = QTransform();
    if (m_calibrationOn && m_calibrationSource) {
        const QList<PrinterInfo> list = printers();
        const int current = currentPrinterIndex();
        if (current >= 0 && current < list.size())
            if (const auto c = m_calibrationSource(list.at(current).deviceName); c && c->plausible())
                m_calibration = c->correction(printableAreaTwips().topLeft());
    }
    deviceBeginDocument();
    m_documentOpen = true;
}

void SurfaceBase::printText(const QString &text)
{
    ensurePage();
    if (!text.isEmpty())
        deviceDrawText(toTwips(m_x, m_y), text);
    m_x = scaleLeft();
    m_y += float(m_lineHeightTwips * unitsPerTwipY());
}

void SurfaceBase::printShapes(const QList<QRectF> &shapesTwips, const QSizeF &sizeTwips,
                              const ShapeStyle &style)
{
    ensurePage();
    const QPointF topLeft = toTwips(m_x, m_y);
    double below = sizeTwips.height();
    double captionWidth = 0, gap = 0;
    if (!style.caption.isEmpty()) {
        captionWidth = QFontMetricsF(m_font).horizontalAdvance(style.caption);
        // A small gap keeps the text's ascenders off the bars, where a scanner would see them.
        gap = m_font.pixelSize() * 0.1;
        below += gap + m_lineHeightTwips;
    }
    if (style.clearTwips) {
        const QMarginsF &m = *style.clearTwips;
        const double spill = std::max(0.0, (captionWidth - sizeTwips.width()) / 2);
        const QRectF box(-std::max(m.left(), spill), -m.top(),
                         sizeTwips.width() + std::max(m.left(), spill) + std::max(m.right(), spill),
                         below + m.top() + m.bottom());
        deviceFill(topLeft, {box}, Qt::white);
    }
    deviceFill(topLeft, shapesTwips, style.color ? VbColor::toQColor(*style.color) : m_penColor);
    if (!style.caption.isEmpty())
        deviceDrawText(topLeft + QPointF((sizeTwips.width() - captionWidth) / 2, sizeTwips.height() + gap),
                       style.caption);
    m_x = scaleLeft();
    m_y += float(below * unitsPerTwipY());
}

void SurfaceBase::setCurrentX(float x)
{
    checkReady();
    m_x = x;
}

void SurfaceBase::setCurrentY(float y)
{
    checkReady();
    m_y = y;
}

void SurfaceBase::setFontName(const QString &name)
{
    checkReady();
    if (name == m_fontName)
        return;
    m_fontName = name;
    updateFont();
}

void SurfaceBase::setFontSize(float points)
{
    checkReady();
    if (!(points > 0) || points > 2048)
        throw RuntimeError::invalidPropertyValue();
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    updateFont();
}

void SurfaceBase::setForeColor(int32_t color)
{
    checkReady();
    m_foreColor = color;
    m_penColor = VbColor::toQColor(color);
    ++m_styleGeneration;
}

void SurfaceBase::updateFont()
{
    QFont font(m_fontName);
    font.setPixelSize(qMax(1, qRound(m_fontSize * 20)));
    font.setHintingPreference(QFont::PreferNoHinting);
    m_font = font;
    m_lineHeightTwips = QFontMetricsF(font).height();
    ++m_styleGeneration;
}

float SurfaceBase::scaleLeft() const
{
    return m_userScale ? float(m_userScale->left()) : 0.f;
}
float SurfaceBase::scaleTop() const
{
    return m_userScale ? float(m_userScale->top()) : 0.f;
}

float SurfaceBase::scaleWidth() const
{
    checkReady();
    return m_userScale ? float(m_userScale->width()) : float(printableTwips().width());
}

float SurfaceBase::scaleHeight() const
{
    checkReady();
    return m_userScale ? float(m_userScale->height()) : float(printableTwips().height());
}

void SurfaceBase::setUserScale(float left, float top, float width, float height)
{
    checkReady();
    if (width == 0 || height == 0)
        throw RuntimeError::invalidPropertyValue();
    m_userScale = QRectF(left, top, width, height);
}

void SurfaceBase::resetScale()
{
    m_userScale.reset();
}

double SurfaceBase::unitsPerTwipX() const
{
    return m_userScale ? m_userScale->width() / printableTwips().width() : 1.0;
}

double SurfaceBase::unitsPerTwipY() const
{
    return m_userScale ? m_userScale->height() / printableTwips().height() : 1.0;
}

QPointF SurfaceBase::toTwips(float x, float y) const
{
    if (!m_userScale)
        return {x, y};
    return {(x - m_userScale->left()) / unitsPerTwipX(), (y - m_userScale->top()) / unitsPerTwipY()};
}

int SurfaceBase::orientation() const
{
    checkReady();
    return m_waitingOrientation.value_or(deviceOrientation());
}

void SurfaceBase::setOrientation(int orientation)
{
    checkReady();
    if (orientation != Portrait && orientation != Landscape)
        throw RuntimeError::invalidPropertyValue();
    if (m_windowHeld) {
        m_waitingOrientation = orientation;
        return;
    }
    deviceSetOrientation(orientation);
}

void SurfaceBase::releaseWindowSettings()
{
    m_windowHeld = false;
    if (const std::optional<int> waiting = std::exchange(m_waitingOrientation, std::nullopt))
        deviceSetOrientation(*waiting);
}

void SurfaceBase::line(float x1, float y1, float x2, float y2, std::optional<int32_t> color, bool box)
{
    ensurePage();
    const QColor pen = color ? VbColor::toQColor(*color) : m_penColor;
    deviceLine(toTwips(x1, y1), toTwips(x2, y2), pen, box);
    m_x = x2;
    m_y = y2;
}

void SurfaceBase::newPage()
{
    checkReady();
    // The break is only carried out when something is drawn on the next sheet, so that a
    // break followed by the end of the document leaves no blank sheet behind.
    if (!m_documentOpen) {
        beginDocument();
    } else if (m_pageBreakPending) {
        deviceNewPage();
    }
    m_pageBreakPending = true;
    m_x = scaleLeft();
    m_y = scaleTop();
}

void SurfaceBase::endDoc()
{
    checkReady();
    if (m_documentOpen) {
        m_documentOpen = false;
        m_pageBreakPending = false;
        deviceEndDocument();
    }
    m_x = scaleLeft();
    m_y = scaleTop();
}

void SurfaceBase::discardDocument()
{
    if (!m_documentOpen || !deviceDiscardDocument())
        return;
    forgetDocument();
    m_x = scaleLeft();
    m_y = scaleTop();
}

void SurfaceBase::forgetDocument()
{
    m_documentOpen = false;
    m_pageBreakPending = false;
}
