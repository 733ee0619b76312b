#pragma once

#include <QRect>
#include <QSize>

namespace coursegen {

// Where the lesson shows an example picture: inside one of the two areas the
// window keeps for them, left and right of the letter's frame. All in twips
// (15 to a pixel); pictures land on whole pixels.
namespace placement {

constexpr int TwipsPerPixel = 15;

// The designed areas of AnimationPictureA and AnimationPictureB, and the
// letter's frame pnl3dLetter between them.
constexpr QRect AreaA{480, 360, 1935, 2535};
constexpr QRect AreaB{5180, 360, 1935, 2535};
constexpr QRect LetterFrame{2760, 240, 2055, 2655};

// The pixel size of an example picture showing `count` things: a square
// card for one thing, the whole area for several.
QSize exampleSize(int count);

// The picture's rectangle in twips, centred in the area.
QRect place(const QRect &area, QSize pixels);

} // namespace placement
} // namespace coursegen
