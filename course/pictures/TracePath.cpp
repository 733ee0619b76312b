#include "course/pictures/TracePath.h"

#include <QLineF>

#include <algorithm>

namespace pictures {

namespace {

qreal squaredDistance(QPointF a, QPointF b)
{
    const QPointF d = a - b;
    return QPointF::dotProduct(d, d);
}

int nearestIndex(const QPolygonF &polygon, QPointF to)
{
    int best = 0;
    for (int i = 1; i < polygon.size(); ++i) {
        if (squaredDistance(polygon[i], to) < squaredDistance(polygon[best], to))
            best = i;
    }
    return best;
}

qreal polylineLength(const QPolygonF &polygon)
{
    qreal length = 0;
    for (int i = 1; i < polygon.size(); ++i)
        length += QLineF(polygon[i - 1], polygon[i]).length();
    return length;
}

} // namespace

TracePath::TracePath(const QPainterPath &outline)
{
    std::vector<QPolygonF> contours;
    for (QPolygonF polygon : outline.toSubpathPolygons()) {
        if (!polygon.isEmpty() && polygon.isClosed())
            polygon.removeLast();
        if (polygon.size() >= 2)
            contours.push_back(polygon);
    }
    const QPointF corner = outline.boundingRect().topLeft();
    const auto reach = [&corner](const QPolygonF &p) {
        return squaredDistance(p[nearestIndex(p, corner)], corner);
    };
    std::stable_sort(
        contours.begin(), contours.end(),
        [&reach](const QPolygonF &a, const QPolygonF &b) { return reach(a) < reach(b); });
    for (const QPolygonF &contour : contours) {
        const int first = nearestIndex(contour, contour.boundingRect().topLeft());
        QPolygonF turned;
        for (int i = 0; i <= contour.size(); ++i)
            turned << contour[(first + i) % contour.size()];
        m_length += polylineLength(turned);
        m_contours.push_back(turned);
    }
}

QPointF TracePath::start() const
{
    return m_contours.empty() ? QPointF() : m_contours.front().front();
}

QPainterPath TracePath::upTo(qreal length) const
{
    QPainterPath path;
    qreal left = length;
    for (const QPolygonF &contour : m_contours) {
        if (left <= 0)
            break;
        path.moveTo(contour.front());
        for (int i = 1; i < contour.size() && left > 0; ++i) {
            const QLineF segment(contour[i - 1], contour[i]);
            if (segment.length() <= left) {
                path.lineTo(contour[i]);
            } else {
                path.lineTo(segment.pointAt(left / segment.length()));
            }
            left -= segment.length();
        }
    }
    return path;
}

QPointF TracePath::pointAt(qreal length) const
{
    qreal left = length;
    for (const QPolygonF &contour : m_contours) {
        for (int i = 1; i < contour.size(); ++i) {
            const QLineF segment(contour[i - 1], contour[i]);
            if (segment.length() >= left && segment.length() > 0)
                return segment.pointAt(left / segment.length());
            left -= segment.length();
        }
    }
    return m_contours.empty() ? QPointF() : m_contours.back().back();
}

} // namespace pictures
