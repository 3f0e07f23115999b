#pragma once

#include <QPixmap>
#include <QSize>

// The about box's pictures, drawn by the program itself.
QPixmap drawAboutBackground(QSize size);
QPixmap drawCreditsBackground(QSize size);
// The second close button and its pressed look.
QPixmap drawCloseImage(int size);
QPixmap drawPressedMark(QSize size);
