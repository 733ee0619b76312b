#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/LetterDrawing.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/TracePath.h"

#include <QPainter>

#include <algorithm>

namespace pictures {

namespace {

constexpr int TraceFrames = 18;
constexpr int TraceDelayCs = 6;
constexpr int FillFrames = 3;
constexpr int FillDelayCs = 8;
constexpr int FirstDelayCs = 30;
constexpr int HoldDelayCs = 90;

QImage frame(QSize size, const ShapedText &letter, const TracePath &trace, qreal traced, qreal fill,
             bool pen)
{
    QImage image = newWhitePicture(size);
    QPainter painter(&image);
    prepare(painter);
    paintPlaceholder(painter, letter);
    if (fill > 0)
        paintLetter(painter, letter, fill);
    const qreal width = std::max(1.5, std::min(size.width(), size.height()) / 45.0);
    if (traced > 0 && fill < 1) {
        painter.setPen(
            QPen(colours::LetterOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(trace.upTo(traced));
    }
    if (pen) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours::LetterOutline);
        painter.drawEllipse(trace.pointAt(traced), width * 2.2, width * 2.2);
    }
    return image;
}

} // namespace

void writeStrokeAnimation(const QString &text, const QString &gifPath, QSize size)
{
    requireSize(size, "stroke animation");
    const ShapedText letter = letterFor(text, size);
    const TracePath trace(letter.ink);

    std::vector<GifFrame> frames;
    frames.push_back({frame(size, letter, trace, 0, 0, false), FirstDelayCs});
    for (int i = 1; i <= TraceFrames; ++i) {
        const qreal traced = trace.length() * i / TraceFrames;
        frames.push_back({frame(size, letter, trace, traced, 0, i < TraceFrames), TraceDelayCs});
    }
    for (int i = 1; i <= FillFrames; ++i) {
        const qreal fill = qreal(i) / (FillFrames + 1);
        frames.push_back({frame(size, letter, trace, trace.length(), fill, false), FillDelayCs});
    }
    frames.push_back({frame(size, letter, trace, trace.length(), 1, false), HoldDelayCs});
    writeGif(gifPath, frames);
}

} // namespace pictures
