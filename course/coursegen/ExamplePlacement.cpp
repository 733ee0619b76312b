#include "course/coursegen/ExamplePlacement.h"

namespace coursegen::placement {
namespace {

// Down to a whole pixel, so the control's twips convert without rounding.
int wholePixels(int twips)
{
    return twips / TwipsPerPixel * TwipsPerPixel;
}

} // namespace

QSize exampleSize(int count)
{
    const int width = AreaA.width() / TwipsPerPixel;
    const int height = AreaA.height() / TwipsPerPixel;
    return count <= 1 ? QSize(width, width) : QSize(width, height);
}

QRect place(const QRect &area, QSize pixels)
{
    const int width = qMin(pixels.width() * TwipsPerPixel, wholePixels(area.width()));
    const int height = qMin(pixels.height() * TwipsPerPixel, wholePixels(area.height()));
    const int left = area.left() + wholePixels((area.width() - width) / 2);
    const int top = area.top() + wholePixels((area.height() - height) / 2);
    return {left, top, width, height};
}

} // namespace coursegen::placement
