#pragma once

#include <QDialog>
#include <QSize>

class QLabel;
struct NumberLook;

// The full-size view of the font sample: the sample's digits on white, framed by a band of the
// print colour. It closes at a click, or when the mouse moves over the frame rather than the digits.
class frmVisor : public QDialog
{
    Q_OBJECT

public:
    // `ownerTwips` is the main window's width and height; the viewer is centred on that point.
    frmVisor(QWidget *mainWindow, QSize ownerTwips);

    // Copies the sample in the order the sample is built: text, size, name, colour.
    void loadSample(const QLabel &sample);
    // The job's template at the screen's size under the digits, its top-left corner at theirs.
    void showTemplate(const QImage &design);
    // The sample as `look` prints it, after loadSample: its digits with the texts around them,
    // or the code they make at its printed size. A look that cannot print leaves the digits.
    void showLook(const NumberLook &look);

    // Where a viewer of `frameSize` pixels goes: centred on the point whose coordinates are the
    // main window's width and height in twips, moved just enough to lie fully inside `screenArea`.
    static QPoint placement(QSize frameSize, QSize ownerTwips, const QRect &screenArea);

    QLabel *Label1 = nullptr;

protected:
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void Form_Activate();

    QWidget *m_mainWindow;
    QSize m_ownerTwips;
};
