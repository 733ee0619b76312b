#include "course/pictures/Card.h"
#include "course/pictures/Emoji.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/WriteAside.h"

#include <QPainter>

namespace pictures {

void writeSpeakerPicture(const QString &pngPath)
{
    // Transparent around the symbol, so it sits on any button face.
    const QSize size(32, 32);
    const QImage speaker = emojiImage(QStringLiteral("\U0001F50A"));
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        prepare(painter);
        const QSizeF drawn = QSizeF(speaker.size()).scaled(QSizeF(28, 28), Qt::KeepAspectRatio);
        painter.drawImage(
            QRectF(QPointF((32 - drawn.width()) / 2, (32 - drawn.height()) / 2), drawn), speaker);
    }
    savePng(image, pngPath);
}

} // namespace pictures
