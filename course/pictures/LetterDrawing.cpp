#include "course/pictures/LetterDrawing.h"

#include "course/pictures/Colours.h"

#include <QPainter>

#include <algorithm>

namespace pictures {

QRectF letterBox(QSize size)
{
    const qreal margin = std::min(size.width(), size.height()) * 0.08;
    return QRectF(QPointF(0, 0), QSizeF(size)).adjusted(margin, margin, -margin, -margin);
}

ShapedText letterFor(const QString &text, QSize size, const QStringList &kin)
{
    return fitAlike(shapeGujarati(text), kin, letterBox(size));
}

void paintPlaceholder(QPainter &painter, const ShapedText &letter)
{
    painter.fillPath(letter.placeholder, colours::Placeholder);
}

void paintLetter(QPainter &painter, const ShapedText &letter, qreal opacity)
{
    QColor colour = colours::Letter;
    colour.setAlphaF(float(opacity));
    painter.fillPath(letter.ink, colour);
}

} // namespace pictures
