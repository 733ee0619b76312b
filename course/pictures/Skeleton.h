#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace pictures {

// The centre lines of a filled shape as a graph: nodes where lines end or meet, edges
// the lines between them (in the shape's own coordinates, lightly smoothed). Spurs
// shorter than the stroke width, which thinning leaves at corners, are cut off.
struct Skeleton
{
    struct Edge
    {
        int from = 0;
        int to = 0;
        QPolygonF points; // from `from` to `to`
        qreal length = 0;
    };

    std::vector<QPointF> nodes;
    std::vector<Edge> edges;
    qreal strokeWidth = 1; // the median width of the shape's strokes

    // Thins the shape drawn at `pixelsPerUnit` (Zhang-Suen) and follows the result.
    static Skeleton of(const QPainterPath &shape, qreal pixelsPerUnit);
};

} // namespace pictures
