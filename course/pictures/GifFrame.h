#pragma once

#include <QImage>

namespace pictures {

// One picture of an animation and how long it stays, in hundredths of a second (the
// unit GIF files count in).
struct GifFrame
{
    QImage image;
    int delayCs = 10;
};

} // namespace pictures
