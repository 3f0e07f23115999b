#pragma once

#include <QtMath>

// Window geometry is given in twips; the screen has 15 twips to the pixel (96 dpi).
namespace Twips {

constexpr int kPerPixel = 15;

constexpr int toPixels(double twips)
{
    return int(twips / kPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr int fromPixels(int pixels)
{
    return pixels * kPerPixel;
}

} // namespace Twips
