#include "platform/forms/ScreenResolution.h"

#include "platform/forms/Screen.h"

#include <array>

namespace forms {

int GetScreenResolution()
{
    static constexpr std::array<std::array<int, 2>, 6> sizes{
        {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 1024}, {1600, 1200}}};
    const QSize screen = Screen::sizeInPixels();
    for (int code = 0; code < int(sizes.size()); ++code) {
        if (screen.width() == sizes[code][0] && screen.height() == sizes[code][1])
            return code;
    }
    return 6;
}

} // namespace forms
