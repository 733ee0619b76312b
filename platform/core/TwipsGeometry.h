#pragma once

#include "platform/core/Twips.h"

#include <QWidget>

namespace platform {

// Position, size and visibility in twips for any widget that stands in for a
// designed control. Values read back are whole pixels, as on screen.
template <typename Widget> class TwipsGeometry : public Widget
{
public:
    using Widget::Widget;

    int Left() const { return toTwips(this->x()); }
    int Top() const { return toTwips(this->y()); }
    int Width() const { return toTwips(this->width()); }
    int Height() const { return toTwips(this->height()); }

    void setLeft(int twips) { this->move(toPixels(twips), this->y()); }
    void setTop(int twips) { this->move(this->x(), toPixels(twips)); }
    void setWidth(int twips) { this->resize(toPixels(twips), this->height()); }
    void setHeight(int twips) { this->resize(this->width(), toPixels(twips)); }

    void Move(int left, int top, int width, int height)
    {
        this->setGeometry(twipsRect(left, top, width, height));
    }

    // Visible as designed: a control stays "visible" on a window that is not
    // shown yet.
    bool Visible() const { return !this->isHidden(); }
};

} // namespace platform
