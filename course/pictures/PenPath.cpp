#include "course/pictures/PenPath.h"

#include "course/pictures/Skeleton.h"

#include <QLineF>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace pictures {

namespace {

// Cells across the longer side of the letter in the raster that is thinned: tied to the
// letter, not the picture, so a letter is written the same way at every size.
constexpr qreal CellsAcross = 220.0;

struct Compass
{
    const char *name;
    QPointF towards; // the corner a stroke should start nearest to
};

constexpr Compass Points[] = {{"n", {0, -1}}, {"ne", {1, -1}}, {"e", {1, 0}},  {"se", {1, 1}},
                              {"s", {0, 1}},  {"sw", {-1, 1}}, {"w", {-1, 0}}, {"nw", {-1, -1}}};

QPointF compassPoint(const QString &name)
{
    for (const Compass &c : Points)
        if (name == QLatin1String(c.name))
            return c.towards;
    throw std::runtime_error("stroke start \"" + name.toStdString() +
                             "\" is not a compass point (n, ne, e, se, s, sw, w, nw)");
}

QStringList startWords(const QString &starts)
{
    return starts.split(u' ', Qt::SkipEmptyParts);
}

// The direction a line leaves its first point in, looked at over about a stroke width.
QPointF heading(const QPolygonF &line, qreal reach)
{
    QPointF far = line.back();
    qreal gone = 0;
    for (int i = 1; i < line.size(); ++i) {
        gone += QLineF(line[i - 1], line[i]).length();
        if (gone >= reach) {
            far = line[i];
            break;
        }
    }
    const QPointF d = far - line.front();
    const qreal n = std::hypot(d.x(), d.y());
    return n > 0 ? d / n : QPointF(1, 0);
}

QPolygonF reversed(const QPolygonF &line)
{
    QPolygonF out;
    for (int i = int(line.size()) - 1; i >= 0; --i)
        out << line[i];
    return out;
}

class Writer
{
public:
    Writer(const Skeleton &skeleton, QStringList starts)
        : m_skeleton(skeleton)
        , m_starts(std::move(starts))
        , m_used(skeleton.edges.size(), false)
    {
        // Pieces: nodes joined by lines.
        m_piece.resize(skeleton.nodes.size());
        std::iota(m_piece.begin(), m_piece.end(), 0);
        for (const Skeleton::Edge &e : skeleton.edges)
            m_piece[size_t(root(e.from))] = root(e.to);
    }

    std::vector<QPolygonF> write()
    {
        std::vector<QPolygonF> strokes;
        for (int piece : pieceOrder()) {
            while (true) {
                const int node = startNode(piece);
                if (node < 0)
                    break;
                strokes.push_back(strokeFrom(node));
            }
        }
        return strokes;
    }

private:
    int root(int n)
    {
        while (m_piece[size_t(n)] != n)
            n = m_piece[size_t(n)] = m_piece[size_t(m_piece[size_t(n)])];
        return n;
    }

    // Pieces left to right; marks above or below the largest piece (the body) after it.
    std::vector<int> pieceOrder()
    {
        struct Piece
        {
            int id;
            QRectF bounds;
            qreal length = 0;
        };
        std::vector<Piece> pieces;
        for (const Skeleton::Edge &e : m_skeleton.edges) {
            const int id = root(e.from);
            auto it = std::find_if(pieces.begin(), pieces.end(),
                                   [id](const Piece &p) { return p.id == id; });
            if (it == pieces.end()) {
                pieces.push_back({id, e.points.boundingRect(), 0});
                it = pieces.end() - 1;
            }
            it->bounds = it->bounds.united(e.points.boundingRect());
            it->length += e.length;
        }
        if (pieces.empty())
            return {};
        const Piece body =
            *std::max_element(pieces.begin(), pieces.end(),
                              [](const Piece &a, const Piece &b) { return a.length < b.length; });
        const auto isMark = [&body](const Piece &p) {
            const qreal y = p.bounds.center().y();
            return y < body.bounds.top() || y > body.bounds.bottom();
        };
        std::stable_sort(pieces.begin(), pieces.end(), [&](const Piece &a, const Piece &b) {
            if (isMark(a) != isMark(b))
                return !isMark(a);
            return a.bounds.left() < b.bounds.left();
        });
        std::vector<int> order;
        for (const Piece &p : pieces)
            order.push_back(p.id);
        return order;
    }

    int unusedDegree(int node) const
    {
        int degree = 0;
        for (size_t i = 0; i < m_skeleton.edges.size(); ++i) {
            if (m_used[i])
                continue;
            const Skeleton::Edge &e = m_skeleton.edges[i];
            degree += (e.from == node ? 1 : 0) + (e.to == node ? 1 : 0);
        }
        return degree;
    }

    // Where the next stroke of `piece` begins: a free line end if there is one, the one
    // furthest towards the stroke's compass point; -1 when the piece is written.
    int startNode(int piece)
    {
        const QPointF towards =
            m_written < m_starts.size() ? compassPoint(m_starts.at(m_written)) : QPointF(-1, -1);
        int best = -1;
        bool bestFree = false;
        qreal bestScore = 0;
        for (size_t n = 0; n < m_skeleton.nodes.size(); ++n) {
            if (root(int(n)) != piece)
                continue;
            const int degree = unusedDegree(int(n));
            if (degree == 0)
                continue;
            const bool free = degree % 2 == 1;
            const qreal score = QPointF::dotProduct(m_skeleton.nodes[n], towards);
            if (best < 0 || (free && !bestFree) || (free == bestFree && score > bestScore)) {
                best = int(n);
                bestFree = free;
                bestScore = score;
            }
        }
        if (best >= 0)
            ++m_written;
        return best;
    }

    // Whether an unwritten line rises from `node` to a free end: the top of a stem.
    bool stemAbove(int node) const
    {
        for (size_t i = 0; i < m_skeleton.edges.size(); ++i) {
            const Skeleton::Edge &e = m_skeleton.edges[i];
            if (m_used[i] || (e.from != node && e.to != node) || e.from == e.to)
                continue;
            const int other = e.from == node ? e.to : e.from;
            const QPolygonF line = e.from == node ? e.points : reversed(e.points);
            if (unusedDegree(other) == 1 && heading(line, e.length).y() < -0.8)
                return true;
        }
        return false;
    }

    QPolygonF strokeFrom(int node)
    {
        QPolygonF stroke;
        stroke << m_skeleton.nodes[size_t(node)];
        QPointF coming;
        bool first = true;
        const qreal reach = m_skeleton.strokeWidth * 1.5;
        while (true) {
            int best = -1;
            qreal bestScore = -1e9;
            for (size_t i = 0; i < m_skeleton.edges.size(); ++i) {
                if (m_used[i])
                    continue;
                const Skeleton::Edge &e = m_skeleton.edges[i];
                if (e.from != node && e.to != node)
                    continue;
                const QPolygonF line = e.from == node ? e.points : reversed(e.points);
                const QPointF going = heading(line, reach);
                // Straight on through a join; from a standing start, rightwards and down.
                const qreal score =
                    first ? going.x() + 0.5 * going.y() : QPointF::dotProduct(coming, going);
                if (score > bestScore) {
                    best = int(i);
                    bestScore = score;
                }
            }
            // A turn back on itself is a new stroke, not part of this one; so is a turn
            // at the foot of a stem still to write, which is written from its top down.
            if (best < 0 || (!first && (bestScore < -0.5 || (bestScore < 0.7 && stemAbove(node)))))
                break;
            m_used[size_t(best)] = true;
            const Skeleton::Edge &e = m_skeleton.edges[size_t(best)];
            const QPolygonF line = e.from == node ? e.points : reversed(e.points);
            for (int i = 1; i < line.size(); ++i)
                stroke << line[i];
            coming = -heading(reversed(line), reach);
            node = e.from == node ? e.to : e.from;
            first = false;
        }
        return stroke;
    }

    const Skeleton &m_skeleton;
    QStringList m_starts;
    std::vector<bool> m_used;
    std::vector<int> m_piece;
    int m_written = 0;
};

qreal polylineLength(const QPolygonF &line)
{
    qreal length = 0;
    for (int i = 1; i < line.size(); ++i)
        length += QLineF(line[i - 1], line[i]).length();
    return length;
}

// The line without its first `cut` of length.
QPolygonF cutStart(const QPolygonF &line, qreal cut)
{
    qreal left = cut;
    for (int i = 1; i < line.size(); ++i) {
        const QLineF segment(line[i - 1], line[i]);
        if (segment.length() > left) {
            QPolygonF rest;
            rest << segment.pointAt(left / segment.length());
            for (int j = i; j < line.size(); ++j)
                rest << line[j];
            return rest;
        }
        left -= segment.length();
    }
    return line;
}

// Thinning runs a line's end out into the corners of its stroke; the pen, being round,
// starts and stops about its own radius inside.
QPolygonF trimmed(const QPolygonF &line, qreal cut)
{
    if (line.size() < 2 || line.front() == line.back())
        return line;
    const qreal each = std::min(cut, polylineLength(line) / 4);
    return reversed(cutStart(reversed(cutStart(line, each)), each));
}

} // namespace

PenPath::PenPath(const QPainterPath &ink, const QString &starts)
{
    const QStringList words = startWords(starts);
    for (const QString &word : words)
        compassPoint(word);
    // Thinned in one frame whatever the picture, so that a letter is written alike in
    // its stroke animation and on its tracing guide.
    const QRectF bounds = ink.boundingRect();
    const qreal longer = std::max(bounds.width(), bounds.height());
    if (longer <= 0)
        return;
    QTransform toFrame;
    toFrame.scale(CellsAcross / longer, CellsAcross / longer);
    toFrame.translate(-bounds.left(), -bounds.top());
    const QTransform back = toFrame.inverted();
    const Skeleton skeleton = Skeleton::of(toFrame.map(ink), 1.0);
    m_width = skeleton.strokeWidth * longer / CellsAcross;
    for (const QPolygonF &stroke : Writer(skeleton, words).write()) {
        m_strokes.push_back(back.map(trimmed(stroke, skeleton.strokeWidth * 0.5)));
        m_length += polylineLength(m_strokes.back());
    }
}

bool PenPath::validStarts(const QString &starts)
{
    for (const QString &word : startWords(starts)) {
        const bool known = std::any_of(std::begin(Points), std::end(Points), [&](const Compass &c) {
            return word == QLatin1String(c.name);
        });
        if (!known)
            return false;
    }
    return true;
}

QPointF PenPath::start() const
{
    return m_strokes.empty() ? QPointF() : m_strokes.front().front();
}

QPointF PenPath::pointAt(qreal length) const
{
    qreal left = length;
    for (const QPolygonF &stroke : m_strokes) {
        for (int i = 1; i < stroke.size(); ++i) {
            const QLineF segment(stroke[i - 1], stroke[i]);
            if (segment.length() >= left && segment.length() > 0)
                return segment.pointAt(left / segment.length());
            left -= segment.length();
        }
    }
    return m_strokes.empty() ? QPointF() : m_strokes.back().back();
}

} // namespace pictures
