#include "course/pictures/Skeleton.h"

#include <QImage>
#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace pictures {

namespace {

constexpr int Margin = 3;
// Spurs that thinning leaves at a corner are shorter than this many stroke widths; a
// stem's top above a join is longer.
constexpr qreal SpurWidths = 1.2;
// The eight neighbours, clockwise from north: the order Zhang-Suen counts them in.
constexpr std::array<int, 8> Dx{0, 1, 1, 1, 0, -1, -1, -1};
constexpr std::array<int, 8> Dy{-1, -1, 0, 1, 1, 1, 0, -1};

struct Grid
{
    int width = 0, height = 0;
    std::vector<unsigned char> cells;

    bool at(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height && cells[size_t(y * width + x)];
    }
    void set(int x, int y, bool on) { cells[size_t(y * width + x)] = on ? 1 : 0; }
    int neighbours(int x, int y) const
    {
        int n = 0;
        for (int i = 0; i < 8; ++i)
            n += at(x + Dx[i], y + Dy[i]) ? 1 : 0;
        return n;
    }
};

Grid rasterOf(const QPainterPath &shape, qreal scale, QPointF origin)
{
    const QRectF bounds = shape.boundingRect();
    Grid grid;
    grid.width = int(bounds.width() * scale) + 2 * Margin + 1;
    grid.height = int(bounds.height() * scale) + 2 * Margin + 1;
    QImage image(grid.width, grid.height, QImage::Format_Grayscale8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-origin * scale);
        painter.scale(scale, scale);
        painter.fillPath(shape, Qt::white);
    }
    grid.cells.resize(size_t(grid.width * grid.height));
    for (int y = 0; y < grid.height; ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < grid.width; ++x)
            grid.set(x, y, line[x] >= 128);
    }
    return grid;
}

// Distance of each inked cell to the nearest blank one (3-4 chamfer, in thirds of a cell).
std::vector<int> distances(const Grid &grid)
{
    const int big = 1 << 20;
    std::vector<int> d(grid.cells.size());
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = grid.cells[i] ? big : 0;
    const auto cell = [&](int x, int y) -> int & { return d[size_t(y * grid.width + x)]; };
    for (int y = 1; y < grid.height - 1; ++y) {
        for (int x = 1; x < grid.width - 1; ++x) {
            int &c = cell(x, y);
            c = std::min({c, cell(x - 1, y) + 3, cell(x, y - 1) + 3, cell(x - 1, y - 1) + 4,
                          cell(x + 1, y - 1) + 4});
        }
    }
    for (int y = grid.height - 2; y > 0; --y) {
        for (int x = grid.width - 2; x > 0; --x) {
            int &c = cell(x, y);
            c = std::min({c, cell(x + 1, y) + 3, cell(x, y + 1) + 3, cell(x + 1, y + 1) + 4,
                          cell(x - 1, y + 1) + 4});
        }
    }
    return d;
}

void thin(Grid &grid)
{
    std::vector<int> clear;
    for (bool changed = true; changed;) {
        changed = false;
        for (int pass = 0; pass < 2; ++pass) {
            clear.clear();
            for (int y = 1; y < grid.height - 1; ++y) {
                for (int x = 1; x < grid.width - 1; ++x) {
                    if (!grid.at(x, y))
                        continue;
                    std::array<bool, 8> p{};
                    int count = 0;
                    for (int i = 0; i < 8; ++i) {
                        p[size_t(i)] = grid.at(x + Dx[size_t(i)], y + Dy[size_t(i)]);
                        count += p[size_t(i)] ? 1 : 0;
                    }
                    if (count < 2 || count > 6)
                        continue;
                    int rises = 0;
                    for (size_t i = 0; i < 8; ++i)
                        rises += (!p[i] && p[(i + 1) % 8]) ? 1 : 0;
                    if (rises != 1)
                        continue;
                    // p[0] north, p[2] east, p[4] south, p[6] west.
                    const bool first = !(p[0] && p[2] && p[4]) && !(p[2] && p[4] && p[6]);
                    const bool second = !(p[0] && p[2] && p[6]) && !(p[0] && p[4] && p[6]);
                    if (pass == 0 ? first : second)
                        clear.push_back(y * grid.width + x);
                }
            }
            for (int i : clear)
                grid.cells[size_t(i)] = 0;
            changed = changed || !clear.empty();
        }
    }
}

// Follows the thinned grid into nodes (clusters of cells that are not on a plain line)
// and the lines between them.
class Follower
{
public:
    Follower(const Grid &grid)
        : m_grid(grid)
        , m_node(grid.cells.size(), -1)
    {
        m_seen.assign(grid.cells.size(), 0);
    }

    void run(Skeleton &out)
    {
        for (int y = 0; y < m_grid.height; ++y) {
            for (int x = 0; x < m_grid.width; ++x) {
                if (m_grid.at(x, y) && m_node[index(x, y)] < 0 && m_grid.neighbours(x, y) != 2)
                    cluster(x, y, out);
            }
        }
        for (int y = 0; y < m_grid.height; ++y)
            for (int x = 0; x < m_grid.width; ++x)
                if (m_node[index(x, y)] >= 0)
                    leaveNode(x, y, out);
        // What is left are closed loops without a node: start each at its top-left cell.
        for (int y = 0; y < m_grid.height; ++y) {
            for (int x = 0; x < m_grid.width; ++x) {
                if (m_grid.at(x, y) && m_node[index(x, y)] < 0 && !m_seen[index(x, y)]) {
                    const int node = int(out.nodes.size());
                    out.nodes.push_back(QPointF(x, y));
                    m_node[index(x, y)] = node;
                    leaveNode(x, y, out);
                }
            }
        }
    }

private:
    size_t index(int x, int y) const { return size_t(y * m_grid.width + x); }

    void cluster(int x, int y, Skeleton &out)
    {
        const int node = int(out.nodes.size());
        std::vector<QPoint> todo{QPoint(x, y)};
        m_node[index(x, y)] = node;
        QPointF sum;
        int count = 0;
        while (!todo.empty()) {
            const QPoint p = todo.back();
            todo.pop_back();
            sum += p;
            ++count;
            for (int i = 0; i < 8; ++i) {
                const int nx = p.x() + Dx[size_t(i)], ny = p.y() + Dy[size_t(i)];
                if (m_grid.at(nx, ny) && m_node[index(nx, ny)] < 0 &&
                    m_grid.neighbours(nx, ny) != 2) {
                    m_node[index(nx, ny)] = node;
                    todo.push_back(QPoint(nx, ny));
                }
            }
        }
        out.nodes.push_back(sum / count);
    }

    // Every line leaving the node cell (x, y) that has not been followed yet.
    void leaveNode(int x, int y, Skeleton &out)
    {
        const int from = m_node[index(x, y)];
        for (int i = 0; i < 8; ++i) {
            int cx = x + Dx[size_t(i)], cy = y + Dy[size_t(i)];
            if (!m_grid.at(cx, cy) || m_node[index(cx, cy)] >= 0 || m_seen[index(cx, cy)])
                continue;
            Skeleton::Edge edge;
            edge.from = from;
            edge.points << out.nodes[size_t(from)] << QPointF(cx, cy);
            m_seen[index(cx, cy)] = 1;
            int px = x, py = y;
            edge.to = -1;
            while (edge.to < 0) {
                int next = -1;
                // Plain neighbours first, so that corners are not cut into false branches.
                for (int pass = 0; pass < 2 && next < 0; ++pass) {
                    for (int j = pass; j < 8; j += 2) {
                        const int nx = cx + Dx[size_t(j)], ny = cy + Dy[size_t(j)];
                        if (!m_grid.at(nx, ny) || (nx == px && ny == py))
                            continue;
                        const int n = m_node[index(nx, ny)];
                        if (n >= 0 && (n != from || edge.points.size() > 3)) {
                            edge.to = n;
                            next = j;
                            break;
                        }
                        if (n < 0 && !m_seen[index(nx, ny)]) {
                            next = j;
                            break;
                        }
                    }
                }
                if (next < 0) { // a dead end that thinning left without a node
                    const int node = int(out.nodes.size());
                    out.nodes.push_back(QPointF(cx, cy));
                    edge.to = node;
                    break;
                }
                if (edge.to >= 0)
                    break;
                px = cx;
                py = cy;
                cx += Dx[size_t(next)];
                cy += Dy[size_t(next)];
                m_seen[index(cx, cy)] = 1;
                edge.points << QPointF(cx, cy);
            }
            edge.points << out.nodes[size_t(edge.to)];
            out.edges.push_back(edge);
        }
    }

    const Grid &m_grid;
    std::vector<int> m_node;
    std::vector<unsigned char> m_seen;
};

QPolygonF smoothed(const QPolygonF &line)
{
    if (line.size() < 5)
        return line;
    QPolygonF out;
    out << line.front();
    for (int i = 1; i + 1 < line.size(); ++i) {
        const int reach = std::min({2, i, int(line.size()) - 1 - i});
        QPointF sum;
        for (int j = -reach; j <= reach; ++j)
            sum += line[i + j];
        out << sum / (2 * reach + 1);
    }
    out << line.back();
    return out;
}

qreal lengthOf(const QPolygonF &line)
{
    qreal length = 0;
    for (int i = 1; i < line.size(); ++i)
        length += QLineF(line[i - 1], line[i]).length();
    return length;
}

// Thinning leaves nodes of two lines where a line only wobbles: joins those lines into
// one, so that a spur or a stroke is measured whole.
void mergeChains(Skeleton &skeleton)
{
    for (bool merged = true; merged;) {
        merged = false;
        std::vector<std::vector<size_t>> at(skeleton.nodes.size());
        for (size_t i = 0; i < skeleton.edges.size(); ++i) {
            at[size_t(skeleton.edges[i].from)].push_back(i);
            at[size_t(skeleton.edges[i].to)].push_back(i);
        }
        for (size_t n = 0; n < at.size() && !merged; ++n) {
            if (at[n].size() != 2 || at[n][0] == at[n][1])
                continue;
            Skeleton::Edge a = skeleton.edges[at[n][0]];
            Skeleton::Edge b = skeleton.edges[at[n][1]];
            if (a.to != int(n)) { // a runs into n
                std::reverse(a.points.begin(), a.points.end());
                std::swap(a.from, a.to);
            }
            if (b.from != int(n)) { // b runs out of n
                std::reverse(b.points.begin(), b.points.end());
                std::swap(b.from, b.to);
            }
            Skeleton::Edge joined;
            joined.from = a.from;
            joined.to = b.to;
            joined.points = a.points;
            for (int i = 1; i < b.points.size(); ++i)
                joined.points << b.points[i];
            joined.length = a.length + b.length;
            const size_t first = std::min(at[n][0], at[n][1]),
                         second = std::max(at[n][0], at[n][1]);
            skeleton.edges.erase(skeleton.edges.begin() + long(second));
            skeleton.edges[first] = joined;
            merged = true;
        }
    }
}

void pruneSpurs(Skeleton &skeleton, qreal shortest)
{
    for (int round = 0; round < 2; ++round) {
        std::vector<int> degree(skeleton.nodes.size(), 0);
        for (const Skeleton::Edge &e : skeleton.edges) {
            ++degree[size_t(e.from)];
            ++degree[size_t(e.to)];
        }
        std::vector<Skeleton::Edge> kept;
        for (const Skeleton::Edge &e : skeleton.edges) {
            const bool loose = degree[size_t(e.from)] == 1 || degree[size_t(e.to)] == 1;
            const bool joined = degree[size_t(e.from)] >= 3 || degree[size_t(e.to)] >= 3;
            const bool tinyLoop = e.from == e.to && e.length < shortest;
            if ((loose && joined && e.length < shortest) || tinyLoop) {
                --degree[size_t(e.from)];
                --degree[size_t(e.to)];
                continue;
            }
            kept.push_back(e);
        }
        skeleton.edges = kept;
    }
}

} // namespace

Skeleton Skeleton::of(const QPainterPath &shape, qreal pixelsPerUnit)
{
    Skeleton skeleton;
    if (shape.isEmpty())
        return skeleton;
    const QPointF origin = shape.boundingRect().topLeft() - QPointF(Margin, Margin) / pixelsPerUnit;
    Grid grid = rasterOf(shape, pixelsPerUnit, origin);
    const std::vector<int> distance = distances(grid);
    thin(grid);

    std::vector<int> widths;
    for (size_t i = 0; i < grid.cells.size(); ++i)
        if (grid.cells[i])
            widths.push_back(distance[i]);
    if (!widths.empty()) {
        std::nth_element(widths.begin(), widths.begin() + long(widths.size() / 2), widths.end());
        // Twice the distance to the edge, in cells, from thirds of a cell.
        skeleton.strokeWidth = std::max(1.0, 2.0 * widths[widths.size() / 2] / 3.0);
    }

    Follower(grid).run(skeleton);
    for (Edge &edge : skeleton.edges)
        edge.length = lengthOf(edge.points);
    std::vector<int> degree(skeleton.nodes.size(), 0);
    for (const Edge &e : skeleton.edges) {
        ++degree[size_t(e.from)];
        ++degree[size_t(e.to)];
    }
    // A spur cut may leave a wobble node, and joining there may make a spur whole.
    for (int round = 0; round < 3; ++round) {
        mergeChains(skeleton);
        pruneSpurs(skeleton, skeleton.strokeWidth * SpurWidths);
    }
    mergeChains(skeleton);
    // A dot thins to a lone node: the pen makes it as a small round.
    const qreal round = std::max(1.0, skeleton.strokeWidth * 0.15);
    for (size_t n = 0; n < skeleton.nodes.size(); ++n) {
        if (degree[n] != 0)
            continue;
        Edge dot;
        dot.from = dot.to = int(n);
        for (int step = 0; step <= 12; ++step) {
            const qreal angle = -M_PI / 2 + step * M_PI / 6;
            dot.points << skeleton.nodes[n] +
                              QPointF(round * std::cos(angle), round * (1 + std::sin(angle)));
        }
        dot.length = lengthOf(dot.points);
        skeleton.edges.push_back(dot);
    }

    // Back to the shape's coordinates.
    const auto toShape = [&](QPointF p) {
        return origin + (p + QPointF(0.5, 0.5)) / pixelsPerUnit;
    };
    for (QPointF &node : skeleton.nodes)
        node = toShape(node);
    for (Edge &edge : skeleton.edges) {
        QPolygonF points;
        for (const QPointF &p : smoothed(edge.points))
            points << toShape(p);
        edge.points = points;
        edge.length = lengthOf(points);
    }
    skeleton.strokeWidth /= pixelsPerUnit;
    return skeleton;
}

} // namespace pictures
