#include "exercises/letters/order/Congratulations.h"

#include "exercises/letters/order/OrderTestForms.h"
#include "platform/core/Twips.h"

#include <algorithm>

namespace order {

QString congratulationsFor(QSize pixels)
{
    return QStringLiteral("\\test\\congratulations-%1x%2.gif")
        .arg(pixels.width())
        .arg(pixels.height());
}

QRect congratulationWords(QSize pixels)
{
    const int side = pixels.width() / 12;
    const int top = pixels.height() / 16;
    return {side, top, pixels.width() - 2 * side, pixels.height() * 9 / 16 - top};
}

// The compact layout moves a block but keeps its size.
std::vector<QSize> tileBlockShapes()
{
    std::vector<QSize> shapes;
    for (const OrderTestForm &form : OrderTestForms) {
        const Rect &block = form.designed.pnlBlank1;
        const QSize pixels(platform::toPixels(block.width), platform::toPixels(block.height));
        if (std::find(shapes.begin(), shapes.end(), pixels) == shapes.end())
            shapes.push_back(pixels);
    }
    return shapes;
}

} // namespace order
