#include "course/pictures/Card.h"
#include "course/pictures/Emoji.h"
#include "course/pictures/EnglishFont.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"
#include "course/pictures/WriteAside.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace pictures {

namespace {

// The splash window's client area in pixels; the window stretches the picture anyway.
const QSize SplashSize(417, 465);

void paintTile(QPainter &painter, const QRectF &tile, const QColor &colour, const QString &letter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(tile.translated(3, 4), 12, 12);
    painter.setBrush(colour);
    painter.drawRoundedRect(tile, 12, 12);
    const ShapedText text = fitInto(shapeGujarati(letter), tile.adjusted(10, 10, -10, -10), 0.7);
    painter.fillPath(text.ink, Qt::white);
}

} // namespace

void writeSplash(const QString &pngPath)
{
    QImage image(SplashSize, QImage::Format_RGB32);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient sky(0, 0, 0, SplashSize.height());
    sky.setColorAt(0, QColor(255, 196, 120));
    sky.setColorAt(1, QColor(240, 110, 130));
    painter.fillRect(image.rect(), sky);

    painter.setFont(englishFont(20));
    painter.setPen(QColor(110, 20, 60));
    painter.drawText(QRectF(0, 22, SplashSize.width(), 30), Qt::AlignCenter,
                     QStringLiteral("Ostrana"));

    const ShapedText title =
        fitInto(shapeGujarati(QStringLiteral("\u0A97\u0AC1\u0A9C\u0AB0\u0ABE\u0AA4\u0AC0")),
                QRectF(40, 60, SplashSize.width() - 80, 110), 0.75);
    painter.fillPath(title.ink.translated(3, 4), QColor(120, 30, 60, 110));
    painter.fillPath(title.ink, Qt::white);

    painter.setFont(englishFont(17, false));
    painter.setPen(QColor(90, 20, 50));
    painter.drawText(QRectF(0, 175, SplashSize.width(), 28), Qt::AlignCenter,
                     QStringLiteral("Learn to read and write Gujarati"));

    static const std::array<QColor, 4> tileColours = {QColor(60, 110, 220), QColor(40, 160, 90),
                                                      QColor(230, 120, 20), QColor(170, 60, 190)};
    static const std::array<const char16_t *, 4> letters = {u"\u0A95", u"\u0A96", u"\u0A97",
                                                            u"\u0A98"};
    const qreal side = 78, gap = 16;
    const qreal left = (SplashSize.width() - 4 * side - 3 * gap) / 2;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const QRectF tile(left + qreal(i) * (side + gap), 225 + (i % 2 == 0 ? 0 : 10), side, side);
        paintTile(painter, tile, tileColours[i], QString::fromUtf16(letters[i]));
    }

    static const std::array<const char16_t *, 3> things = {u"\U0001F9D2", u"\U0001F4D6",
                                                           u"\u270F\uFE0F"};
    for (std::size_t i = 0; i < things.size(); ++i) {
        const QImage thing = emojiImage(QString::fromUtf16(things[i]));
        const QSizeF drawn = QSizeF(thing.size()).scaled(90, 90, Qt::KeepAspectRatio);
        const qreal x = 60 + qreal(i) * 110 + (90 - drawn.width()) / 2;
        painter.drawImage(QRectF(QPointF(x, 345 + (90 - drawn.height()) / 2), drawn), thing);
    }
    painter.end();
    savePng(image, pngPath);
}

} // namespace pictures
