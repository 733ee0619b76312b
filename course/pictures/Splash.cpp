#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Emoji.h"
#include "course/pictures/EnglishFont.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"
#include "course/pictures/WriteAside.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace pictures {

namespace {

// The picture was first laid out on 417 x 465; a picture of another size
// places its rows at the same fractions of its height and draws them as
// large as that size's width and height both allow, so nothing stretches.
const QSizeF LaidOut(417, 465);

void paintTile(QPainter &painter, const QRectF &tile, qreal unit, const QColor &colour,
               const QString &letter)
{
    const qreal corner = 12 * unit;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(tile.translated(3 * unit, 4 * unit), corner, corner);
    painter.setBrush(colour);
    painter.drawRoundedRect(tile, corner, corner);
    const qreal inset = 10 * unit;
    const ShapedText text =
        fitInto(shapeGujarati(letter), tile.adjusted(inset, inset, -inset, -inset), 0.7);
    painter.fillPath(text.ink, Qt::white);
}

} // namespace

void writeSplash(const QString &pngPath, QSize size)
{
    requireSize(size, "splash");
    const qreal width = size.width();
    const qreal down = size.height() / LaidOut.height();        // a row's place
    const qreal unit = std::min(width / LaidOut.width(), down); // a thing's size
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(255, 196, 120));
    sky.setColorAt(1, QColor(240, 110, 130));
    painter.fillRect(image.rect(), sky);

    painter.setFont(englishFont(int(std::lround(20 * unit))));
    painter.setPen(QColor(110, 20, 60));
    painter.drawText(QRectF(0, 22 * down, width, 30 * unit), Qt::AlignCenter,
                     QStringLiteral("Ostrana"));

    const qreal titleHeight = 110 * unit;
    const ShapedText title = fitInto(
        shapeGujarati(QStringLiteral("\u0A97\u0AC1\u0A9C\u0AB0\u0ABE\u0AA4\u0AC0")),
        QRectF(40 * unit, 115 * down - titleHeight / 2, width - 80 * unit, titleHeight), 0.75);
    painter.fillPath(title.ink.translated(3 * unit, 4 * unit), QColor(120, 30, 60, 110));
    painter.fillPath(title.ink, Qt::white);

    painter.setFont(englishFont(int(std::lround(17 * unit)), false));
    painter.setPen(QColor(90, 20, 50));
    painter.drawText(QRectF(0, 175 * down, width, 28 * unit), Qt::AlignCenter,
                     QStringLiteral("Learn to read and write Gujarati"));

    static const std::array<QColor, 4> tileColours = {QColor(60, 110, 220), QColor(40, 160, 90),
                                                      QColor(230, 120, 20), QColor(170, 60, 190)};
    static const std::array<const char16_t *, 4> letters = {u"\u0A95", u"\u0A96", u"\u0A97",
                                                            u"\u0A98"};
    const qreal side = 78 * unit, gap = 16 * unit;
    const qreal left = (width - 4 * side - 3 * gap) / 2;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const QRectF tile(left + qreal(i) * (side + gap), 225 * down + (i % 2 == 0 ? 0 : 10 * unit),
                          side, side);
        paintTile(painter, tile, unit, tileColours[i], QString::fromUtf16(letters[i]));
    }

    static const std::array<const char16_t *, 3> things = {u"\U0001F9D2", u"\U0001F4D6",
                                                           u"\u270F\uFE0F"};
    const qreal thing = 90 * unit, step = 110 * unit;
    const qreal thingsLeft = (width - 2 * step - thing) / 2;
    for (std::size_t i = 0; i < things.size(); ++i) {
        const QImage picture = emojiImage(QString::fromUtf16(things[i]));
        const QSizeF drawn = QSizeF(picture.size()).scaled(thing, thing, Qt::KeepAspectRatio);
        const qreal x = thingsLeft + qreal(i) * step + (thing - drawn.width()) / 2;
        const qreal y = 390 * down - thing / 2 + (thing - drawn.height()) / 2;
        painter.drawImage(QRectF(QPointF(x, y), drawn), picture);
    }
    painter.end();
    savePng(image, pngPath);
}

} // namespace pictures
