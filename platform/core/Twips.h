#pragma once

#include <QRect>

namespace platform {

// Window geometry is designed in twips: 15 to a logical pixel.
constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips)
{
    // Round half away from zero so that designed edges meet exactly.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int toTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace platform
