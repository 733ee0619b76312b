#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"
#include "course/pictures/WriteAside.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace pictures {

namespace {

constexpr char16_t GujaratiZero = u'\u0AE6';

// The ten numerals shaped once; their common extent sizes every one of them.
struct Digits
{
    std::array<ShapedText, 10> shapes;
    qreal widest = 0;
    qreal top = 0;
    qreal bottom = 0;

    Digits()
    {
        QRectF all;
        for (int d = 0; d < 10; ++d) {
            shapes[std::size_t(d)] = shapeGujarati(QString(QChar(GujaratiZero + d)));
            const QRectF bounds = shapes[std::size_t(d)].ink.boundingRect();
            widest = std::max(widest, bounds.width());
            all = d == 0 ? bounds : all.united(bounds);
        }
        top = all.top();
        bottom = all.bottom();
    }
};

const Digits &digits()
{
    static const Digits shaped;
    return shaped;
}

int digitOf(const QString &text)
{
    if (text.size() == 1 && text.front().unicode() >= GujaratiZero &&
        text.front().unicode() <= GujaratiZero + 9)
        return text.front().unicode() - GujaratiZero;
    throw std::runtime_error("digit picture: \"" + text.toStdString() +
                             "\" is not one Gujarati numeral ૦ to ૯");
}

} // namespace

void writeDigitPicture(const QString &numeral, const QString &pngPath, QSize size)
{
    requireSize(size, "digit picture");
    const Digits &all = digits();
    const ShapedText &shape = all.shapes[std::size_t(digitOf(numeral))];

    // All ten at one scale on one baseline, so the digits of a number stand
    // in line and alike in size; as large as the widest and the tallest allow.
    const qreal margin = std::max(1.0, std::min(size.width(), size.height()) * 0.09);
    const QRectF box =
        QRectF(QPointF(0, 0), QSizeF(size)).adjusted(margin, margin, -margin, -margin);
    const qreal scale = std::min(box.width() / all.widest, box.height() / (all.bottom - all.top));
    const QRectF bounds = shape.ink.boundingRect();
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -(all.top + all.bottom) / 2);
    QPainterPath ink = transform.map(shape.ink);
    ink.setFillRule(Qt::WindingFill);

    QImage image = newWhitePicture(size);
    {
        QPainter painter(&image);
        prepare(painter);
        painter.fillPath(ink, colours::Letter);
    }
    savePng(image, pngPath);
}

} // namespace pictures
