#include "WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

QRect WrappingCheckBox::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
}

QSize WrappingCheckBox::sizeHint() const
{
    // As wide as the box is, as high as the wrapped caption needs.
    const QSize single = QCheckBox::sizeHint();
    const QRect caption = captionRect();
    const int height = fontMetrics().boundingRect(caption, kCaptionFlags, text()).height();
    return {width() > 0 ? width() : single.width(), std::max(single.height(), height + 2)};
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

    const QRect caption = captionRect();
    painter.drawItemText(caption, kCaptionFlags, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            fontMetrics().boundingRect(caption, kCaptionFlags, text()).adjusted(-1, 0, 1, 0) & rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
