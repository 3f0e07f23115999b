#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto further lines when it is wider than the box, instead of
// being cut at the box's edge. The whole box, caption included, takes clicks.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

    // Where the caption is drawn, and the flags it is drawn with.
    QRect captionRect() const;
    static constexpr int kCaptionFlags =
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};
