#include "CreditsScroll.h"

#include "AboutPictures.h"

#include <QPainter>

namespace {
constexpr int kTextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
}

CreditsScroll::CreditsScroll(QWidget *parent) : QWidget(parent)
{
    m_timer.setInterval(kFrameMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CreditsScroll::step);
}

bool CreditsScroll::start()
{
    m_timer.stop();
    const QRect needed = fontMetrics().boundingRect(QRect(0, 0, width(), 0), kTextFlags, m_text);
    if (m_text.isEmpty() || needed.height() <= 0)
        return false;
    m_textHeight = needed.bottom() + 1;
    m_rect = QRect(0, height(), width(), m_textHeight);
    if (m_background.size() != size())
        m_background = drawCreditsBackground(size());
    update();
    m_timer.start();
    return true;
}

void CreditsScroll::stop()
{
    m_timer.stop();
}

void CreditsScroll::step()
{
    m_rect.translate(0, -1);
    if (m_rect.top() < -m_textHeight)
        m_rect.moveTop(height());
    update();
}

void CreditsScroll::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_background);
    p.setPen(QColor(20, 30, 70));
    p.drawText(m_rect, kTextFlags, m_text);
}
