#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <vector>

namespace pictures {

// How a pen writes a letter: the centre lines of its strokes, found by thinning the
// glyph's raster to a skeleton, in writing order. Each stroke starts at the free end
// nearest the top left (or at the corner `starts` names for it), runs through joins in
// the straightest direction, and lifts only where the line ends; pieces go left to right,
// marks above and below the body last.
//
// `starts` names where each stroke in turn begins, as compass points separated by spaces
// ("ne sw"): n, ne, e, se, s, sw, w, nw. Strokes beyond the list start at the top left.
class PenPath final
{
public:
    explicit PenPath(const QPainterPath &ink, const QString &starts = {});

    // Drawn length, in picture pixels, without the pen's moves between strokes.
    qreal length() const { return m_length; }
    // The typical width of the letter's strokes.
    qreal strokeWidth() const { return m_width; }
    const std::vector<QPolygonF> &strokes() const { return m_strokes; }

    QPointF start() const;
    // Where the pen is after `length`.
    QPointF pointAt(qreal length) const;

    // Whether `starts` is a list of compass points this class understands.
    static bool validStarts(const QString &starts);

private:
    std::vector<QPolygonF> m_strokes;
    qreal m_length = 0;
    qreal m_width = 1;
};

} // namespace pictures
