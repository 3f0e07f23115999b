#include "SampleLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

namespace {

bool fits(const QFont &font, const QString &text, QSizeF room)
{
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

} // namespace

QFont SampleLabel::drawnFont() const
{
    QFont font = this->font();
    const QSizeF room = contentsRect().size();
    if (fits(font, text(), room) || room.isEmpty())
        return font;
    // Glyph sizes do not follow the point size exactly: start from the proportional size and
    // step down until the text fits.
    const QFontMetricsF metrics(font);
    double points =
        font.pointSizeF() * std::min(room.width() / std::max(1.0, metrics.horizontalAdvance(text())),
                                     room.height() / std::max(1.0, metrics.height()));
    font.setPointSizeF(std::max(1.0, points));
    while (points > 1 && !fits(font, text(), room)) {
        points = std::max(1.0, points * 0.95);
        font.setPointSizeF(points);
    }
    return font;
}

void SampleLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(drawnFont());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}
