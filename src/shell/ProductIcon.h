#pragma once

#include <QImage>

// The product icon, drawn by the program itself at any size: a raffle ticket with its stub and
// a running number.
QImage drawProductIcon(int size);
