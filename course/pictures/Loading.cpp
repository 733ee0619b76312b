#include "course/pictures/Card.h"
#include "course/pictures/Colours.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"

#include <QPainter>

namespace pictures {

namespace {

const QSize LoadingSize(121, 15);
constexpr int Blocks = 10;

} // namespace

void writeLoading(const QString &gifPath)
{
    const QRectF trough(0.5, 0.5, LoadingSize.width() - 1.0, LoadingSize.height() - 1.0);
    const qreal gap = 2.0;
    const qreal blockWidth = (trough.width() - 3 - gap * (Blocks - 1)) / Blocks;

    // Blocks light up one by one, from a cool to a warm green, then start again.
    std::vector<GifFrame> frames;
    for (int lit = 0; lit <= Blocks; ++lit) {
        QImage image(LoadingSize, QImage::Format_RGB32);
        image.fill(colours::InfoWindow);
        QPainter painter(&image);
        prepare(painter);
        painter.setPen(QPen(colours::CardEdge, 1.0));
        painter.setBrush(colours::Card);
        painter.drawRoundedRect(trough, 4, 4);
        painter.setPen(Qt::NoPen);
        for (int b = 0; b < lit; ++b) {
            const QRectF block(trough.left() + 1.5 + b * (blockWidth + gap), trough.top() + 2,
                               blockWidth, trough.height() - 4);
            painter.setBrush(QColor(40 + 12 * b, 150 + 6 * b, 70));
            painter.drawRoundedRect(block, 2, 2);
        }
        painter.end();
        frames.push_back({image, lit == Blocks ? 40 : 12});
    }
    writeGif(gifPath, frames);
}

} // namespace pictures
