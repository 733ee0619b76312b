#include "course/pictures/ShapedText.h"

#include "platform/text/KeyText.h"

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>
#include <map>
#include <mutex>
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

namespace {

qreal fitScale(const QRectF &bounds, const QSizeF &box)
{
    return std::min(box.width() / bounds.width(), box.height() / bounds.height());
}

// The largest scale at which every text of `kin` fits `box`; the shaping is kept, as
// every picture of a kind asks for the same list.
qreal kinScale(const QStringList &kin, const QSizeF &box)
{
    static std::mutex lock;
    static std::map<QStringList, std::vector<QRectF>> shaped;
    std::vector<QRectF> bounds;
    {
        const std::lock_guard<std::mutex> hold(lock);
        auto it = shaped.find(kin);
        if (it == shaped.end()) {
            std::vector<QRectF> list;
            for (const QString &text : kin)
                list.push_back(shapeGujarati(text).bounds());
            it = shaped.emplace(kin, list).first;
        }
        bounds = it->second;
    }
    qreal scale = 1e9;
    for (const QRectF &b : bounds)
        scale = std::min(scale, fitScale(b, box));
    return scale;
}

ShapedText placed(const ShapedText &text, const QRectF &box, qreal scale)
{
    const QRectF bounds = text.bounds();
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    ShapedText fitted{transform.map(text.ink), transform.map(text.placeholder)};
    fitted.ink.setFillRule(Qt::WindingFill);
    fitted.placeholder.setFillRule(Qt::WindingFill);
    return fitted;
}

} // namespace

ShapedText fitInto(const ShapedText &text, const QRectF &box, qreal letterHeight)
{
    const qreal wanted = letterHeight * box.height() / consonantHeight(true);
    return placed(text, box, std::min(wanted, fitScale(text.bounds(), box.size())));
}

ShapedText fitAlike(const ShapedText &text, const QStringList &kin, const QRectF &box,
                    qreal letterHeight)
{
    const qreal wanted = letterHeight * box.height() / consonantHeight(true);
    const qreal fit = std::min(fitScale(text.bounds(), box.size()), kinScale(kin, box.size()));
    return placed(text, box, std::min(wanted, fit));
}

} // namespace pictures
