#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/Emoji.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"

#include <QPainter>

#include <cmath>
#include <stdexcept>

namespace pictures {

namespace {

constexpr int Frames = 10;
constexpr int DelayCs = 10;
constexpr int MaxCount = 100;

struct Grid
{
    int columns = 1;
    int rows = 1;
    qreal cell = 0;
};

// The arrangement in which `count` copies come out largest.
Grid bestGrid(int count, QSizeF area)
{
    Grid best;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const qreal cell = std::min(area.width() / columns, area.height() / rows);
        if (cell > best.cell)
            best = {columns, rows, cell};
    }
    return best;
}

} // namespace

void writeExampleAnimation(const QString &emoji, int count, const QString &gifPath, QSize size)
{
    requireSize(size, "example animation");
    if (count < 1 || count > MaxCount)
        throw std::runtime_error("an example shows 1 to " + std::to_string(MaxCount) +
                                 " pictures, not " + std::to_string(count));
    const QImage picture = emojiImage(emoji);

    const qreal margin = std::min(size.width(), size.height()) * 0.07;
    const QRectF area =
        QRectF(QPointF(0, 0), QSizeF(size)).adjusted(margin, margin, -margin, -margin);
    const Grid grid = bestGrid(count, area.size());
    const qreal side = grid.cell * 0.84; // room to bob without touching a neighbour
    const QSizeF drawn = QSizeF(picture.size()).scaled(side, side, Qt::KeepAspectRatio);
    const qreal top = area.center().y() - grid.rows * grid.cell / 2;

    std::vector<GifFrame> frames;
    for (int f = 0; f < Frames; ++f) {
        QImage image = newCard(size, colours::LessonWindow);
        QPainter painter(&image);
        prepare(painter);
        for (int i = 0; i < count; ++i) {
            const int row = i / grid.columns;
            const int inRow = std::min(grid.columns, count - row * grid.columns);
            const int column = i % grid.columns;
            const qreal left = area.center().x() - inRow * grid.cell / 2;
            const QPointF centre(left + (column + 0.5) * grid.cell, top + (row + 0.5) * grid.cell);
            // Each copy bobs and breathes a little behind the one before it.
            const qreal phase = 2 * M_PI * (qreal(f) / Frames - qreal(i) / (count + 1));
            const qreal lift = std::sin(phase) * grid.cell * 0.05;
            const qreal scale = 1.0 + 0.04 * std::cos(phase);
            const QSizeF now = drawn * scale;
            const QRectF target(centre.x() - now.width() / 2, centre.y() - lift - now.height() / 2,
                                now.width(), now.height());
            painter.drawImage(target, picture);
        }
        painter.end();
        frames.push_back({image, DelayCs});
    }
    writeGif(gifPath, frames);
}

} // namespace pictures
