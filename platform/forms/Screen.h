#pragma once

#include <QSize>

#include <functional>

namespace forms {

// Mouse pointer shapes, numbered as the course's code sets them.
enum MousePointerShape : int
{
    DefaultPointer = 0,
    ArrowPointer = 1,
    Hourglass = 11,
};

// The screen as the course sees it: its size and the mouse pointer.
class Screen final
{
public:
    Screen() = delete;

    // Size of the primary screen in pixels, or whatever a test put there.
    static QSize sizeInPixels();
    // In twips.
    static int Width();
    static int Height();

    // Replaces where the size comes from (tests); an empty source restores
    // the primary screen. Returns the source it replaced.
    using SizeSource = std::function<QSize()>;
    static SizeSource setSizeSource(SizeSource source);

    // The pointer is a state, not a stack: any number of hourglass settings
    // are undone by one DefaultPointer. Other values raise run-time error 380.
    static int MousePointer();
    static void setMousePointer(int shape);
};

} // namespace forms
