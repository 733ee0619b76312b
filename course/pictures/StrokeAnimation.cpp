#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/LetterDrawing.h"
#include "course/pictures/PenPath.h"
#include "course/pictures/Pictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

constexpr int FirstDelayCs = 40; // the pen rests on the start before it moves
constexpr int WriteDelayCs = 6;
constexpr int HoldDelayCs = 150;
constexpr qreal PixelsPerSecond = 140; // a child's steady writing pace at this size
constexpr int FewestFrames = 12;
constexpr int MostFrames = 45;

// The letter as it stands written so far: a faint guide, the strokes of ink the pen has
// left (as wide as the letter's own, kept inside its shape) and the pen's tip.
QImage frame(QSize size, const ShapedText &letter, const PenPath &pen, qreal written)
{
    QImage image = newWhitePicture(size);
    QPainter painter(&image);
    prepare(painter);
    paintPlaceholder(painter, letter);
    painter.fillPath(letter.ink, colours::GuideFaint);
    const qreal width = pen.strokeWidth();
    if (written > 0) {
        painter.save();
        painter.setClipPath(letter.ink);
        painter.setPen(
            QPen(colours::Letter, width * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(pen.upTo(written));
        painter.restore();
    }
    const qreal tip = std::max(2.0, width * 0.32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::LetterOutline);
    painter.drawEllipse(pen.pointAt(written), tip, tip);
    return image;
}

} // namespace

void writeStrokeAnimation(const QString &text, const QString &gifPath, QSize size,
                          const QStringList &kin, const QString &starts)
{
    requireSize(size, "stroke animation");
    const ShapedText letter = letterFor(text, size, kin);
    const PenPath pen(letter.ink, starts);

    const qreal perFrame = PixelsPerSecond * WriteDelayCs / 100.0;
    const int steps = std::clamp(int(std::ceil(pen.length() / perFrame)), FewestFrames, MostFrames);
    std::vector<GifFrame> frames;
    frames.push_back({frame(size, letter, pen, 0), FirstDelayCs});
    for (int i = 1; i <= steps; ++i)
        frames.push_back({frame(size, letter, pen, pen.length() * i / steps), WriteDelayCs});

    // Written: the letter holds, drawn as its letter picture is.
    QImage done = newWhitePicture(size);
    {
        QPainter painter(&done);
        prepare(painter);
        paintPlaceholder(painter, letter);
        paintLetter(painter, letter);
    }
    frames.push_back({done, HoldDelayCs});
    writeGif(gifPath, frames);
}

} // namespace pictures
