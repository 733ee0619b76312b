#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/Emoji.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"

#include <QPainter>

#include <cmath>

namespace pictures {

namespace {

constexpr int Frames = 10;
constexpr int DelayCs = 9;

// The hand taps upwards towards what is to be clicked; a ring pulses at its tip.
void drawHint(QImage &image, int f, const QImage &hand)
{
    const QSize size = image.size();
    const qreal side = std::min(size.width(), size.height()) * 0.78;
    const QSizeF drawn = QSizeF(hand.size()).scaled(side, side, Qt::KeepAspectRatio);
    QPainter painter(&image);
    prepare(painter);
    const qreal t = qreal(f) / Frames;
    const qreal tap = (1 - std::cos(2 * M_PI * t)) / 2; // 0 at rest, 1 at the top
    const qreal travel = size.height() * 0.12;
    const QPointF tip(size.width() / 2.0, size.height() - drawn.height() - travel * tap);
    if (tap > 0.5) {
        const qreal ring = side * 0.18 * (0.6 + tap);
        QColor colour = colours::Sweep;
        colour.setAlphaF(float(0.35 + 0.5 * (tap - 0.5)));
        painter.setPen(QPen(colour, std::max(1.0, side / 18)));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(tip + QPointF(0, side * 0.08), ring * 1.6, ring);
    }
    const QRectF target(tip.x() - drawn.width() / 2, tip.y(), drawn.width(), drawn.height());
    painter.drawImage(target, hand);
}

// Every pixel the drawing touched becomes opaque, as it looks over `edges`; the rest
// stays clear. On a background of that colour the hint looks as if drawn on it.
QImage settleOnto(const QImage &drawing, const QColor &edges)
{
    QImage settled(drawing.size(), QImage::Format_ARGB32);
    settled.fill(Qt::transparent);
    QImage over(drawing.size(), QImage::Format_RGB32);
    over.fill(edges);
    QPainter painter(&over);
    painter.drawImage(0, 0, drawing);
    painter.end();
    for (int y = 0; y < drawing.height(); ++y) {
        for (int x = 0; x < drawing.width(); ++x) {
            if (qAlpha(drawing.pixel(x, y)) != 0)
                settled.setPixel(x, y, over.pixel(x, y));
        }
    }
    return settled;
}

QImage pointingHand()
{
    return emojiImage(QStringLiteral("\U0001F446")); // backhand index pointing up
}

} // namespace

void writeClickHint(const QString &gifPath, QSize size)
{
    requireSize(size, "click hint");
    const QImage hand = pointingHand();
    std::vector<GifFrame> frames;
    for (int f = 0; f < Frames; ++f) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colours::LessonWindow);
        drawHint(image, f, hand);
        frames.push_back({image, DelayCs});
    }
    writeGif(gifPath, frames);
}

void writeClearClickHint(const QString &gifPath, QSize size, const QColor &edges)
{
    requireSize(size, "click hint");
    const QImage hand = pointingHand();
    std::vector<GifFrame> frames;
    for (int f = 0; f < Frames; ++f) {
        QImage drawing(size, QImage::Format_ARGB32_Premultiplied);
        drawing.fill(Qt::transparent);
        drawHint(drawing, f, hand);
        frames.push_back({settleOnto(drawing, edges), DelayCs});
    }
    writeGif(gifPath, frames);
}

} // namespace pictures
