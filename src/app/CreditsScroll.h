#pragma once

#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <QWidget>

// The about box's credits: a block of centred text drawn over its background picture, moving up
// one pixel a frame and coming back in from the bottom once the last line has left the top.
// A timer drives it, so the box stays idle between frames.
class CreditsScroll : public QWidget
{
    Q_OBJECT

public:
    // No faster than one pixel per 31 ms.
    static constexpr int kFrameMs = 31;

    explicit CreditsScroll(QWidget *parent = nullptr);

    void setText(const QString &text) { m_text = text; }
    // Starts (or starts again) with the text just below the visible area. False when the text
    // cannot be measured.
    bool start();
    void stop();
    bool running() const { return m_timer.isActive(); }

    // One frame: up one pixel, wrapping round at the end.
    void step();
    const QRect &textRect() const { return m_rect; }
    int textHeight() const { return m_textHeight; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QPixmap m_background;
    QRect m_rect;
    int m_textHeight = 0;
    QTimer m_timer;
};
