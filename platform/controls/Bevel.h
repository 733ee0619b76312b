#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace controls {

// Bevel styles of the 3-D panels, as the windows write them.
namespace bevel {
constexpr int None = 0;
constexpr int Inset = 1;
constexpr int Raised = 2;
} // namespace bevel

// The classic light and shadow, whatever the face colour: a white edge where
// the light falls and a grey one where it does not.
inline QColor bevelLight()
{
    return QColor(0xFF, 0xFF, 0xFF);
}
inline QColor bevelShadow()
{
    return QColor(0x80, 0x80, 0x80);
}

// Draws a bevel of the given style and width (pixels) along the inside of
// rect and returns what lies within it. Style None draws nothing and takes no
// room.
QRect drawBevel(QPainter &painter, const QRect &rect, int style, int width);

// Draws a one-pixel frame, top and left in one colour, bottom and right in
// another, and returns what lies within it.
QRect drawFrame(QPainter &painter, const QRect &rect, const QColor &topLeft,
                const QColor &bottomRight);

} // namespace controls
