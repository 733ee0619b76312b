#include "tests/support/ScreenSizeDouble.h"

ScreenSizeDouble::ScreenSizeDouble(int width, int height)
    : m_size(width, height)
{
    m_previous = forms::Screen::setSizeSource([this] { return m_size; });
}

ScreenSizeDouble::~ScreenSizeDouble()
{
    forms::Screen::setSizeSource(std::move(m_previous));
}
