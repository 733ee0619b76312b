#include "course/pictures/Emoji.h"

#include <QFont>
#include <QPainter>
#include <QRawFont>

#include <stdexcept>

namespace pictures {

namespace {

const QString EmojiFamily = QStringLiteral("Noto Color Emoji");
constexpr int EmojiPixels = 109; // the font's bitmaps are drawn 1:1 near this size

QRect inkRect(const QImage &image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

QImage emojiImage(const QString &emoji)
{
    QFont font(EmojiFamily);
    font.setPixelSize(EmojiPixels);
    // One font for the whole sequence, so that keycaps and other multi-character emoji
    // reach the font's own ligatures instead of being split among fallback fonts.
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    const auto codePoints = emoji.toUcs4();
    if (codePoints.isEmpty() || !raw.isValid() || raw.familyName() != EmojiFamily ||
        !raw.supportsCharacter(codePoints.front()))
        throw std::runtime_error("Noto Color Emoji has no picture for \"" + emoji.toStdString() +
                                 "\"");

    QImage canvas(EmojiPixels * 2, EmojiPixels * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    const QRect ink = inkRect(canvas);
    if (ink.isNull())
        throw std::runtime_error("the emoji \"" + emoji.toStdString() + "\" draws nothing");
    return canvas.copy(ink);
}

} // namespace pictures
