#include "course/pictures/Card.h"
#include "course/pictures/Colours.h"
#include "course/pictures/Emoji.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"
#include "course/pictures/WriteAside.h"

#include <QPainter>

#include <stdexcept>
#include <string>

namespace pictures {

namespace {

const QSize InfoSize(116, 134);

void drawEmoji(QPainter &painter, const QString &emoji, const QRectF &box)
{
    const QImage picture = emojiImage(emoji);
    const QSizeF drawn = QSizeF(picture.size()).scaled(box.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(box.center() - QPointF(drawn.width(), drawn.height()) / 2, drawn),
                      picture);
}

void drawGujarati(QPainter &painter, const QString &text, const QRectF &box, const QColor &colour)
{
    painter.fillPath(fitInto(shapeGujarati(text), box, 0.8).ink, colour);
}

// Two children learning their letters.
void children(QPainter &painter)
{
    drawEmoji(painter, QStringLiteral("\U0001F467"), QRectF(6, 12, 52, 52));
    drawEmoji(painter, QStringLiteral("\U0001F466"), QRectF(58, 12, 52, 52));
    drawEmoji(painter, QStringLiteral("\u270F\uFE0F"), QRectF(8, 74, 34, 34));
    drawGujarati(painter, QStringLiteral("\u0A85 \u0A86"), QRectF(44, 70, 66, 42),
                 QColor(200, 60, 60));
}

// A book open at the first letters.
void book(QPainter &painter)
{
    drawEmoji(painter, QStringLiteral("\U0001F4D6"), QRectF(13, 10, 90, 70));
    drawGujarati(painter, QStringLiteral("\u0A95 \u0A96 \u0A97"), QRectF(10, 86, 96, 36),
                 colours::Letter);
}

// A computer with a Gujarati letter on its screen.
void computer(QPainter &painter)
{
    drawEmoji(painter, QStringLiteral("\U0001F5A5\uFE0F"), QRectF(8, 14, 100, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QRectF screen(36, 30, 44, 36);
    painter.drawRoundedRect(screen, 4, 4);
    drawGujarati(painter, QStringLiteral("\u0A95"), screen.adjusted(4, 3, -4, -3),
                 QColor(40, 130, 60));
    drawGujarati(painter, QStringLiteral("\u0A95\u0AAE\u0ACD\u0AAA\u0ACD\u0AAF\u0AC1\u0A9F\u0AB0"),
                 QRectF(8, 104, 100, 24), colours::Letter);
}

} // namespace

void writeInfoPicture(int index, const QString &pngPath)
{
    static const QColor backgrounds[3] = {QColor(255, 247, 225), QColor(232, 244, 255),
                                          QColor(234, 250, 234)};
    if (index < 1 || index > 3)
        throw std::runtime_error("information picture " + std::to_string(index) +
                                 " is not one of 1 to 3");
    QImage image(InfoSize, QImage::Format_RGB32);
    image.fill(backgrounds[index - 1]);
    QPainter painter(&image);
    prepare(painter);
    switch (index) {
    case 1:
        children(painter);
        break;
    case 2:
        book(painter);
        break;
    default:
        computer(painter);
        break;
    }
    painter.end();
    savePng(image, pngPath);
}

} // namespace pictures
