#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/InkReveal.h"
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

// The letter as it stands written so far: a faint guide, the ink the pen has uncovered
// and the pen's tip.
QImage frame(QSize size, const ShapedText &letter, const PenPath &pen, const InkReveal &ink,
             qreal written)
{
    QImage image = newWhitePicture(size);
    QPainter painter(&image);
    prepare(painter);
    paintPlaceholder(painter, letter);
    painter.fillPath(letter.ink, colours::GuideFaint);
    painter.drawImage(0, 0, ink.upTo(written));
    const qreal tip = std::max(2.0, pen.strokeWidth() * 0.32);
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

    QImage alone(size, QImage::Format_ARGB32_Premultiplied);
    alone.fill(Qt::transparent);
    {
        QPainter painter(&alone);
        prepare(painter);
        paintLetter(painter, letter);
    }
    const InkReveal ink(alone, pen);

    const qreal perFrame = PixelsPerSecond * WriteDelayCs / 100.0;
    const int steps = std::clamp(int(std::ceil(pen.length() / perFrame)), FewestFrames, MostFrames);
    std::vector<GifFrame> frames;
    frames.push_back({frame(size, letter, pen, ink, 0), FirstDelayCs});
    for (int i = 1; i <= steps; ++i)
        frames.push_back({frame(size, letter, pen, ink, pen.length() * i / steps), WriteDelayCs});

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
