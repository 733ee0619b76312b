#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace pictures {

// The outline of a letter as one long line to draw, the way a hand would go round it:
// contours taken from the top left onwards, each starting at its point nearest its own
// top-left corner. The tracing pictures mark where it starts.
class TracePath final
{
public:
    explicit TracePath(const QPainterPath &outline);

    qreal length() const { return m_length; }
    QPointF start() const;
    // The part of the outline drawn once `length` of it has been traced.
    QPainterPath upTo(qreal length) const;
    // Where the pen is after `length`.
    QPointF pointAt(qreal length) const;

private:
    std::vector<QPolygonF> m_contours; // each closed, first point repeated at the end
    qreal m_length = 0;
};

} // namespace pictures
