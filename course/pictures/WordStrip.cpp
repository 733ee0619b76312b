#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"

#include <QLinearGradient>
#include <QPainter>

namespace pictures {

namespace {

constexpr int SweepFrames = 12;
constexpr int SweepDelayCs = 7;
constexpr int RestDelayCs = 150;

} // namespace

void writeWordStrip(const QString &word, const QString &gifPath, QSize size)
{
    requireSize(size, "word strip");
    // Marks above and below leave the word short: give it nearly the whole height.
    const qreal side = std::min(size.width(), size.height());
    const qreal across = side * 0.16 + 2, down = side * 0.06 + 1;
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(across, down, -across, -down);
    const ShapedText text = fitInto(shapeGujarati(word), box, 0.62);
    const QRectF ink = text.bounds();

    // A warm band passes over the word from start to end, then the word rests.
    std::vector<GifFrame> frames;
    for (int f = 0; f <= SweepFrames; ++f) {
        QImage image = newCard(size, colours::LessonWindow);
        QPainter painter(&image);
        prepare(painter);
        painter.fillPath(text.placeholder, colours::Placeholder);
        if (f == SweepFrames) {
            painter.fillPath(text.ink, colours::Word);
        } else {
            const qreal band = ink.width() * 0.35;
            const qreal x = ink.left() - band + (ink.width() + 2 * band) * f / (SweepFrames - 1);
            QLinearGradient gradient(x - band, 0, x + band, 0);
            gradient.setColorAt(0.0, colours::Word);
            gradient.setColorAt(0.5, colours::Sweep);
            gradient.setColorAt(1.0, colours::Word);
            painter.fillPath(text.ink, gradient);
        }
        painter.end();
        frames.push_back({image, f == SweepFrames ? RestDelayCs : SweepDelayCs});
    }
    writeGif(gifPath, frames);
}

} // namespace pictures
