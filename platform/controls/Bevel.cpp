#include "platform/controls/Bevel.h"

#include <QPainter>

namespace controls {

QRect drawFrame(QPainter &painter, const QRect &rect, const QColor &topLeft,
                const QColor &bottomRight)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return rect;
    // fillRect keeps to whole pixels whatever the pen and antialiasing.
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    return rect.adjusted(1, 1, -1, -1);
}

QRect drawBevel(QPainter &painter, const QRect &rect, int style, int width)
{
    if (style != bevel::Inset && style != bevel::Raised)
        return rect;
    const bool raised = style == bevel::Raised;
    const QColor topLeft = raised ? bevelLight() : bevelShadow();
    const QColor bottomRight = raised ? bevelShadow() : bevelLight();
    QRect inside = rect;
    for (int i = 0; i < width; ++i)
        inside = drawFrame(painter, inside, topLeft, bottomRight);
    return inside;
}

} // namespace controls
