#pragma once

#include <QPixmap>
#include <QWidget>

// The borderless start-up window. Its first paint starts the program (StartUp).
class frmIni : public QWidget
{
    Q_OBJECT

public:
    explicit frmIni(QWidget *parent = nullptr);

Q_SIGNALS:
    // Emitted once, just after the window was first painted.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_started = false;
};
