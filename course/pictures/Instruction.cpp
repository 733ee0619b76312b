#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/EnglishFont.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace pictures {

namespace {

constexpr int WordDelayCs = 22;
constexpr int ReadDelayCs = 350;
constexpr int ScrollDelayCs = 5;

QImage strip(QSize size, const QColor &background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void drawText(QImage &image, const QFont &font, QPointF baseline, const QString &text)
{
    QPainter painter(&image);
    prepare(painter);
    painter.setFont(font);
    painter.setPen(colours::Letter);
    painter.drawText(baseline, text);
}

} // namespace

void writeInstruction(const QString &text, const QString &gifPath, QSize size,
                      const QColor &background)
{
    requireSize(size, "instruction strip");
    const QString simplified = text.simplified();
    if (simplified.isEmpty())
        throw std::runtime_error("an instruction strip needs some text");
    const QFont font = englishFont(std::clamp(int(size.height() * 0.72), 8, 40));
    const QFontMetricsF metrics(font);
    const qreal baseline = (size.height() + metrics.ascent() - metrics.descent()) / 2;
    const qreal pad = 4;
    const qreal width = metrics.horizontalAdvance(simplified);

    std::vector<GifFrame> frames;
    if (width <= size.width() - 2 * pad) {
        // The sentence builds up word by word, centred, then stays to be read.
        const QStringList words = simplified.split(QLatin1Char(' '));
        const qreal left = (size.width() - width) / 2;
        for (int n = 1; n <= words.size(); ++n) {
            QImage image = strip(size, background);
            drawText(image, font, QPointF(left, baseline), words.mid(0, n).join(QLatin1Char(' ')));
            frames.push_back({image, n == words.size() ? ReadDelayCs : WordDelayCs});
        }
    } else {
        // Too long for the strip: it runs through from right to left.
        const qreal step = 3;
        for (qreal x = size.width(); x > -width; x -= step) {
            QImage image = strip(size, background);
            drawText(image, font, QPointF(x, baseline), simplified);
            frames.push_back({image, ScrollDelayCs});
        }
    }
    writeGif(gifPath, frames);
}

void writeInstruction(const QString &text, const QString &gifPath, QSize size)
{
    writeInstruction(text, gifPath, size, colours::LessonWindow);
}

} // namespace pictures
