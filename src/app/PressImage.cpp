#include "PressImage.h"

#include <QMouseEvent>

void PressImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed();
}

void PressImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    Q_EMIT released();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PressImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}
