#include "frmIni.h"

#include "SplashPicture.h"

#include <QPainter>
#include <QScreen>
#include <QTimer>

frmIni::frmIni(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(makeSplashPicture())
{
    setObjectName(QStringLiteral("frmIni"));
    setWindowTitle(QStringLiteral("Tessarino"));
    setFixedSize(300, 200); // 4500 x 3000 twips
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
}

void frmIni::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
    if (!m_started) {
        m_started = true;
        // Posted, so that the start routine (which may show a message box) never runs inside
        // a paint event.
        QTimer::singleShot(0, this, &frmIni::firstPainted);
    }
}
