#include "course/pictures/Card.h"
#include "course/pictures/Colours.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"

#include <QLinearGradient>
#include <QPainter>

namespace pictures {

namespace {

const QSize LogoSize(81, 97);
constexpr int ShineFrames = 12;

void paintBadge(QPainter &painter, const QRectF &badge, const ShapedText &letter,
                const ShapedText &word)
{
    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, QColor(70, 60, 200));
    fill.setColorAt(1, QColor(150, 30, 140));
    painter.setPen(QPen(QColor(255, 200, 60), 2.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(badge, 14, 14);
    painter.fillPath(letter.ink.translated(1.2, 1.5), QColor(40, 20, 90));
    painter.fillPath(letter.ink, Qt::white);
    painter.fillPath(word.ink, QColor(255, 215, 90));
}

} // namespace

void writeLogo(const QString &gifPath)
{
    const QRectF badge(3, 3, LogoSize.width() - 6, LogoSize.height() - 6);
    const ShapedText letter = fitInto(
        shapeGujarati(QStringLiteral("\u0A95")),
        QRectF(badge.left() + 8, badge.top() + 6, badge.width() - 16, badge.height() * 0.62), 0.8);
    const ShapedText word =
        fitInto(shapeGujarati(QStringLiteral("\u0A97\u0AC1\u0A9C\u0AB0\u0ABE\u0AA4\u0AC0")),
                QRectF(badge.left() + 6, badge.top() + badge.height() * 0.68, badge.width() - 12,
                       badge.height() * 0.26),
                0.6);

    // A band of light crosses the badge diagonally, then the badge rests.
    std::vector<GifFrame> frames;
    for (int f = 0; f <= ShineFrames; ++f) {
        QImage image(LogoSize, QImage::Format_RGB32);
        image.fill(colours::InfoWindow);
        QPainter painter(&image);
        prepare(painter);
        paintBadge(painter, badge, letter, word);
        if (f < ShineFrames) {
            const qreal span = badge.width() + badge.height() * 0.5 + 24;
            const qreal x = badge.left() - badge.height() * 0.5 - 12 + span * f / (ShineFrames - 1);
            QPainterPath clip;
            clip.addRoundedRect(badge, 14, 14);
            painter.setClipPath(clip);
            for (const qreal half : {12.0, 5.0}) {
                QPainterPath band;
                band.moveTo(x - half, badge.top());
                band.lineTo(x + half, badge.top());
                band.lineTo(x + half + badge.height() * 0.5, badge.bottom());
                band.lineTo(x - half + badge.height() * 0.5, badge.bottom());
                band.closeSubpath();
                painter.fillPath(band, QColor(255, 255, 255, 70));
            }
        }
        painter.end();
        frames.push_back({image, f == ShineFrames ? 160 : 7});
    }
    writeGif(gifPath, frames);
}

} // namespace pictures
