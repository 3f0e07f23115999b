#pragma once

#include <QLabel>

// The font sample (Label6). Its font is the chosen one at the chosen size, which the full-size
// viewer copies; a size too large for the frame is drawn shrunk to fit, never cut or spilling
// over the frame.
class SampleLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The font the text is drawn in: the label's own while the text fits its contents.
    QFont drawnFont() const;

    // The frame decides the size, whatever the font.
    QSize sizeHint() const override { return {}; }
    QSize minimumSizeHint() const override { return {}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
