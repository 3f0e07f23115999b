#include "SplashPicture.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

QPixmap makeSplashPicture()
{
    QPixmap picture(300, 200);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(24, 62, 110));
    sky.setColorAt(1, QColor(10, 28, 52));
    p.fillRect(picture.rect(), sky);

    // A strip of numbered tickets, the program's trade.
    QFont ticketFont(QStringLiteral("DejaVu Sans Mono"));
    ticketFont.setPixelSize(13);
    ticketFont.setBold(true);
    p.setFont(ticketFont);
    for (int i = 0; i < 4; ++i) {
        const QRectF ticket(18 + i * 68, 118, 60, 30);
        p.setPen(QPen(QColor(250, 214, 120), 1.2, Qt::DashLine));
        p.setBrush(QColor(255, 248, 228));
        p.drawRoundedRect(ticket, 4, 4);
        p.setPen(QColor(170, 30, 30));
        p.drawText(ticket, Qt::AlignCenter, QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0')));
    }

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 28, 300, 50), Qt::AlignCenter, QStringLiteral("Tessarino"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(13);
    p.setFont(subtitle);
    p.setPen(QColor(210, 225, 245));
    p.drawText(QRectF(0, 78, 300, 24), Qt::AlignCenter,
               QCoreApplication::translate("SplashPicture", "Programa para numerar hojas."));

    p.setPen(QColor(120, 150, 190));
    p.setBrush(Qt::NoBrush);
    p.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}
