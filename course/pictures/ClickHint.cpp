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

} // namespace

void writeClickHint(const QString &gifPath, QSize size, const QColor &background)
{
    requireSize(size, "click hint");
    const QImage hand = emojiImage(QStringLiteral("\U0001F446")); // backhand index pointing up
    const qreal side = std::min(size.width(), size.height()) * 0.78;
    const QSizeF drawn = QSizeF(hand.size()).scaled(side, side, Qt::KeepAspectRatio);

    // The hand taps upwards towards what is to be clicked; a ring pulses at its tip.
    std::vector<GifFrame> frames;
    for (int f = 0; f < Frames; ++f) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
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
        painter.end();
        frames.push_back({image, DelayCs});
    }
    writeGif(gifPath, frames);
}

void writeClickHint(const QString &gifPath, QSize size)
{
    writeClickHint(gifPath, size, colours::LessonWindow);
}

} // namespace pictures
