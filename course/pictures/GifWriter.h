#pragma once

#include "course/pictures/GifFrame.h"

#include <QString>

#include <vector>

namespace pictures {

// Writes an animated GIF that loops for ever, through writeAside. All frames must have
// the first frame's size. One palette serves every frame; after the first, each frame
// stores only the rectangle that changed, which keeps slow animations small.
// Pixels are opaque or fully transparent (alpha 0), nothing between; where any is
// transparent, one of the maxColours entries is the transparency index and every frame
// is stored whole, over a cleared picture.
void writeGif(const QString &path, const std::vector<GifFrame> &frames, int maxColours = 256);

} // namespace pictures
