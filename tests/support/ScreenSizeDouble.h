#pragma once

#include "platform/forms/Screen.h"

#include <QSize>

// While it lives, the screen is the given size in pixels. Restores the size
// source it replaced.
class ScreenSizeDouble final
{
public:
    ScreenSizeDouble(int width, int height);
    ~ScreenSizeDouble();
    Q_DISABLE_COPY_MOVE(ScreenSizeDouble)

    void setSize(int width, int height) { m_size = QSize(width, height); }

private:
    QSize m_size;
    forms::Screen::SizeSource m_previous;
};
