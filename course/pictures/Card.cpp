#include "course/pictures/Card.h"

#include "course/pictures/Colours.h"

#include <QPainter>

#include <algorithm>

namespace pictures {

QImage newCard(QSize size, const QColor &window)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(window);
    QPainter painter(&image);
    prepare(painter);
    const qreal radius = std::min(size.width(), size.height()) * 0.16;
    painter.setPen(QPen(colours::CardEdge, 1.0));
    painter.setBrush(colours::Card);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), radius,
                            radius);
    return image;
}

QImage newWhitePicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colours::Card);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace pictures
