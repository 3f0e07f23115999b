#pragma once

#include <QPixmap>

// The 300 x 200 picture of the start-up window, drawn by the program itself.
QPixmap makeSplashPicture();
