#include "ProductIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Seven-segment digits, so that the icon needs no font and draws the same everywhere.
void drawDigit(QPainter &p, int digit, const QRectF &cell)
{
    static constexpr unsigned char kSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66,
                                                    0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    const qreal w = cell.width(), h = cell.height(), t = w * 0.22;
    const qreal x = cell.left(), y = cell.top(), mid = y + h / 2;
    const QRectF seg[7] = {
        {x + t * 0.5, y, w - t, t},                   // a: top
        {x + w - t, y + t * 0.5, t, h / 2 - t * 0.5}, // b
        {x + w - t, mid, t, h / 2 - t * 0.5},         // c
        {x + t * 0.5, y + h - t, w - t, t},           // d: bottom
        {x, mid, t, h / 2 - t * 0.5},                 // e
        {x, y + t * 0.5, t, h / 2 - t * 0.5},         // f
        {x + t * 0.5, mid - t / 2, w - t, t},         // g: middle
    };
    for (int s = 0; s < 7; ++s)
        if (kSegments[digit] & (1 << s))
            p.fillRect(seg[s], p.brush());
}

} // namespace

QImage drawProductIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // The ticket, with round notches where it tears off its stub.
    QPainterPath ticket;
    ticket.addRoundedRect(QRectF(3, 12, 58, 40), 5, 5);
    QPainterPath notches;
    notches.addEllipse(QPointF(20, 12), 4, 4);
    notches.addEllipse(QPointF(20, 52), 4, 4);
    ticket = ticket.subtracted(notches);
    p.setPen(QPen(QColor(120, 60, 10), 2));
    p.setBrush(QColor(245, 170, 40));
    p.drawPath(ticket);

    p.setPen(QPen(QColor(120, 60, 10), 1.6, Qt::DashLine));
    p.drawLine(QPointF(20, 17), QPointF(20, 47));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 25, 5));
    drawDigit(p, 0, QRectF(26, 22, 9, 20));
    drawDigit(p, 4, QRectF(38, 22, 9, 20));
    drawDigit(p, 7, QRectF(50, 22, 9, 20));
    p.setBrush(QColor(150, 40, 20));
    p.drawEllipse(QPointF(11.5, 32), 4, 4); // the stub's stamp
    return image;
}
