#include "course/pictures/ShapedText.h"

#include "platform/text/KeyText.h"

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <stdexcept>

namespace pictures {

namespace {

constexpr qreal ShapeSize = 200.0; // pixel size of the outlines before fitting
const QChar DottedCircle(0x25CC);

QFont gujaratiFont(bool bold)
{
    QFont font(text::GujaratiFontFamily);
    font.setPixelSize(int(ShapeSize));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

// Ink height of a plain consonant: the yardstick for the size of every letter.
qreal consonantHeight(bool bold)
{
    static const qreal heights[2] = {
        shapeGujarati(QStringLiteral("\u0A95"), false).ink.boundingRect().height(),
        shapeGujarati(QStringLiteral("\u0A95"), true).ink.boundingRect().height()};
    return heights[bold ? 1 : 0];
}

} // namespace

ShapedText shapeGujarati(const QString &text, bool bold)
{
    QTextLayout layout(text, gujaratiFont(bold));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();

    ShapedText shaped;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QVector<quint32> circle = font.glyphIndexesForString(QString(DottedCircle));
        const QVector<quint32> glyphs = run.glyphIndexes();
        const QVector<QPointF> positions = run.positions();
        for (int i = 0; i < glyphs.size(); ++i) {
            const QPainterPath glyph = font.pathForGlyph(glyphs[i]).translated(positions[i]);
            const bool isCircle = text.contains(DottedCircle) && !circle.isEmpty() &&
                                  circle.front() != 0 && glyphs[i] == circle.front();
            (isCircle ? shaped.placeholder : shaped.ink).addPath(glyph);
        }
    }
    shaped.ink.setFillRule(Qt::WindingFill);
    shaped.placeholder.setFillRule(Qt::WindingFill);
    if (shaped.ink.isEmpty())
        throw std::runtime_error("no visible glyph in \"" + text.toStdString() + "\"");
    return shaped;
}

ShapedText fitInto(const ShapedText &text, const QRectF &box, qreal letterHeight)
{
    const QRectF bounds = text.bounds();
    const qreal wanted = letterHeight * box.height() / consonantHeight(true);
    const qreal fit = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    const qreal scale = std::min(wanted, fit);
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    ShapedText fitted{transform.map(text.ink), transform.map(text.placeholder)};
    fitted.ink.setFillRule(Qt::WindingFill);
    fitted.placeholder.setFillRule(Qt::WindingFill);
    return fitted;
}

} // namespace pictures
