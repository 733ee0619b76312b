#include "course/pictures/InkReveal.h"

#include <QLineF>

#include <cmath>
#include <limits>

namespace pictures {

namespace {

constexpr qreal SampleStep = 0.5; // pixels between the points the path is read at
// A pixel about as near to an earlier stretch as to the nearest one (where strokes meet)
// is written with the earlier.
constexpr qreal JoinSlack = 1.0;

struct Sample
{
    QPointF at;
    qreal along;
};

std::vector<Sample> samplesOf(const PenPath &pen)
{
    std::vector<Sample> samples;
    qreal along = 0;
    for (const QPolygonF &stroke : pen.strokes()) {
        samples.push_back({stroke.front(), along});
        for (int i = 1; i < stroke.size(); ++i) {
            const QLineF segment(stroke[i - 1], stroke[i]);
            const int steps = std::max(1, int(std::ceil(segment.length() / SampleStep)));
            for (int s = 1; s <= steps; ++s)
                samples.push_back(
                    {segment.pointAt(qreal(s) / steps), along + segment.length() * s / steps});
            along += segment.length();
        }
    }
    return samples;
}

} // namespace

InkReveal::InkReveal(QImage ink, const PenPath &pen)
    : m_ink(std::move(ink).convertToFormat(QImage::Format_ARGB32_Premultiplied))
    , m_at(size_t(m_ink.width() * m_ink.height()), std::numeric_limits<qreal>::infinity())
{
    const std::vector<Sample> samples = samplesOf(pen);
    if (samples.empty())
        return;
    std::vector<qreal> distance(samples.size());
    for (int y = 0; y < m_ink.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_ink.constScanLine(y));
        for (int x = 0; x < m_ink.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            const QPointF centre(x + 0.5, y + 0.5);
            qreal nearest = std::numeric_limits<qreal>::infinity();
            for (size_t i = 0; i < samples.size(); ++i) {
                distance[i] = QLineF(centre, samples[i].at).length();
                nearest = std::min(nearest, distance[i]);
            }
            qreal &at = m_at[size_t(y * m_ink.width() + x)];
            for (size_t i = 0; i < samples.size(); ++i) {
                if (distance[i] <= nearest + JoinSlack) {
                    at = samples[i].along;
                    break;
                }
            }
        }
    }
}

QImage InkReveal::upTo(qreal length) const
{
    QImage written = m_ink;
    for (int y = 0; y < written.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(written.scanLine(y));
        for (int x = 0; x < written.width(); ++x)
            if (m_at[size_t(y * written.width() + x)] > length)
                line[x] = 0;
    }
    return written;
}

} // namespace pictures
