#include "AboutPictures.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap drawAboutBackground(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(192, 192, 192));
    QPainter p(&pixmap);
    // A faint band of tickets along the bottom edge, in the grey of the box.
    p.setPen(QPen(QColor(170, 170, 170), 1, Qt::DashLine));
    for (int x = -20; x < size.width(); x += 44)
        p.drawRoundedRect(QRect(x, size.height() - 26, 40, 22), 3, 3);
    return pixmap;
}

QPixmap drawCreditsBackground(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(250, 236, 200));
    sky.setColorAt(1, QColor(236, 214, 160));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(QColor(160, 120, 60));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QPixmap drawCloseImage(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 40, 20), 1.5));
    p.setBrush(QColor(200, 90, 50));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    p.setPen(QPen(Qt::white, size / 9.0, Qt::SolidLine, Qt::RoundCap));
    const qreal a = size * 0.32, b = size * 0.68;
    p.drawLine(QPointF(a, a), QPointF(b, b));
    p.drawLine(QPointF(a, b), QPointF(b, a));
    return pixmap;
}

QPixmap drawPressedMark(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 120));
    p.drawEllipse(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1));
    return pixmap;
}
