#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/LetterDrawing.h"
#include "course/pictures/PenPath.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/WriteAside.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace pictures {

namespace {

// The six boxes go from most help to least: a filled guide, an outline, then dots.
enum class Guide
{
    Filled,
    Outline,
    Dotted
};

struct Variant
{
    Guide guide;
    bool startDot;
};

constexpr Variant Variants[6] = {{Guide::Filled, true},  {Guide::Filled, false},
                                 {Guide::Outline, true}, {Guide::Outline, false},
                                 {Guide::Dotted, true},  {Guide::Dotted, false}};

// The letter's edge as a row of dots over a very faint body, for the child to join up.
void paintDots(QPainter &painter, const QPainterPath &ink, qreal unit)
{
    painter.fillPath(ink, colours::GuideFaint);
    const qreal width = std::max(1.2, unit * 1.3);
    QPen pen(colours::GuideLine, width, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setDashPattern({0.01, 2.0}); // in pen widths: round dots two widths apart
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ink);
}

} // namespace

void writeTracingPicture(const QString &text, int variant, const QString &pngPath, QSize size,
                         const QStringList &kin, const QString &starts)
{
    requireSize(size, "tracing picture");
    if (variant < 1 || variant > 6)
        throw std::runtime_error("tracing picture variant " + std::to_string(variant) +
                                 " is not one of 1 to 6");
    const Variant style = Variants[variant - 1];
    // Larger than on the letter picture: the child draws over it with a broad pen.
    const ShapedText letter = fitAlike(shapeGujarati(text), kin, letterBox(size), 0.72);
    const qreal unit = std::min(size.width(), size.height()) / 56.0;

    QImage image = newWhitePicture(size);
    {
        QPainter painter(&image);
        prepare(painter);
        paintPlaceholder(painter, letter);
        switch (style.guide) {
        case Guide::Filled:
            painter.fillPath(letter.ink, colours::Guide);
            break;
        case Guide::Outline:
            painter.setPen(QPen(colours::GuideLine, std::max(1.0, unit), Qt::SolidLine,
                                Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(letter.ink);
            break;
        case Guide::Dotted:
            paintDots(painter, letter.ink, unit);
            break;
        }
        if (style.startDot) {
            painter.setPen(QPen(Qt::white, std::max(1.0, unit * 0.8)));
            painter.setBrush(colours::StartDot);
            painter.drawEllipse(PenPath(letter.ink, starts).start(), unit * 3.2, unit * 3.2);
        }
    }
    savePng(image, pngPath);
}

} // namespace pictures
