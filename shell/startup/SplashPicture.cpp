#include "shell/startup/SplashPicture.h"

#include "platform/core/BgrColor.h"
#include "platform/text/KeyText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

constexpr quint32 SplashRed = 0x80; // &HBBGGRR, the window's own background
const QColor Gold(0xF2, 0xC9, 0x4C);
const QColor Cream(0xFF, 0xF4, 0xDC);

// The largest pixel size, up to wanted, at which text fits the width.
int fittingPixelSize(QFont font, const QString &text, int wanted, qreal width)
{
    int size = std::max(wanted, 1);
    for (; size > 6; size -= 2) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            break;
    }
    return size;
}

void drawCentredText(QPainter &painter, const QFont &font, const QColor &colour,
                     const QString &text, qreal centreY, qreal width)
{
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetricsF metrics(font);
    const qreal baseline = centreY + (metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPointF((width - metrics.horizontalAdvance(text)) / 2, baseline), text);
}

} // namespace

QPixmap drawSplashPicture(const QSize &size)
{
    QPixmap picture(size.expandedTo(QSize(1, 1)));
    const qreal width = picture.width();
    const qreal height = picture.height();
    const QColor red = platform::fromBgr(SplashRed);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A little light in the middle keeps the field from looking flat.
    QRadialGradient glow(QPointF(width / 2, height * 0.42), std::max(width, height) * 0.75);
    glow.setColorAt(0, red.lighter(135));
    glow.setColorAt(0.55, red);
    glow.setColorAt(1, red.darker(140));
    painter.fillRect(picture.rect(), glow);

    const qreal margin = std::max<qreal>(6, std::min(width, height) * 0.045);
    painter.setPen(QPen(Gold, std::max<qreal>(1.5, margin / 5)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(margin, margin, width - 2 * margin, height - 2 * margin), margin,
                            margin);

    const qreal textWidth = width - 4 * margin;
    QFont gujarati(text::GujaratiFontFamily);
    gujarati.setWeight(QFont::Bold);
    const QString title = QStringLiteral("ગુજરાતી");
    gujarati.setPixelSize(
        fittingPixelSize(gujarati, title, int(std::min(width * 0.26, height * 0.2)), textWidth));
    drawCentredText(painter, gujarati, Gold, title, height * 0.4, width);

    const qreal ruleY = height * 0.545;
    painter.setPen(QPen(Gold, std::max<qreal>(1, margin / 6)));
    painter.drawLine(QPointF(width * 0.3, ruleY), QPointF(width * 0.7, ruleY));

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setWeight(QFont::DemiBold);
    name.setLetterSpacing(QFont::PercentageSpacing, 108);
    const QString product = QStringLiteral("Ostrana");
    name.setPixelSize(
        fittingPixelSize(name, product, int(std::min(width * 0.14, height * 0.11)), textWidth));
    drawCentredText(painter, name, Cream, product, height * 0.65, width);

    painter.end();
    return picture;
}
