#include "course/pictures/Palette.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

namespace pictures {

namespace {

struct Entry
{
    QRgb colour;
    std::uint64_t count;
};

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// A run of entries [begin, end) of one box of the median cut.
struct Box
{
    std::size_t begin;
    std::size_t end;
    std::uint64_t weight;
    int longestAxis;
    int range;
};

Box makeBox(const std::vector<Entry> &entries, std::size_t begin, std::size_t end)
{
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    std::uint64_t weight = 0;
    for (std::size_t i = begin; i < end; ++i) {
        weight += entries[i].count;
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], channel(entries[i].colour, a));
            hi[a] = std::max(hi[a], channel(entries[i].colour, a));
        }
    }
    int axis = 0;
    for (int a = 1; a < 3; ++a) {
        if (hi[a] - lo[a] > hi[axis] - lo[axis])
            axis = a;
    }
    return {begin, end, weight, axis, hi[axis] - lo[axis]};
}

// The colour a box stands for: its dominant colour when that covers most of the box (so
// flat backgrounds stay exact), else the weighted mean.
QRgb representative(const std::vector<Entry> &entries, const Box &box)
{
    const Entry *top = &entries[box.begin];
    std::array<std::uint64_t, 3> sum{0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i) {
        if (entries[i].count > top->count)
            top = &entries[i];
        for (int a = 0; a < 3; ++a)
            sum[a] += entries[i].count * std::uint64_t(channel(entries[i].colour, a));
    }
    if (top->count * 2 >= box.weight)
        return top->colour;
    const auto mean = [&](int a) { return int((sum[a] + box.weight / 2) / box.weight); };
    return qRgb(mean(0), mean(1), mean(2));
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    // Green weighs most for the eye; integer weights keep the choice exact.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

Palette Palette::fromImages(const std::vector<QImage> &images, int maxColours)
{
    if (maxColours < 2 || maxColours > 256)
        throw std::runtime_error("a GIF palette holds 2 to 256 colours");

    // std::map: iteration in colour order, whatever the insertion order.
    std::map<QRgb, std::uint64_t> histogram;
    for (const QImage &image : images) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x) {
                if (qAlpha(line[x]) != 0)
                    ++histogram[line[x] | 0xff000000u];
            }
        }
    }
    if (histogram.empty())
        throw std::runtime_error("an animation needs at least one non-empty frame");

    std::vector<Entry> entries;
    entries.reserve(histogram.size());
    for (const auto &[colour, count] : histogram)
        entries.push_back({colour, count});

    Palette palette;
    if (entries.size() <= std::size_t(maxColours)) {
        for (const Entry &e : entries)
            palette.m_colours.push_back(e.colour);
    } else {
        std::vector<Box> boxes{makeBox(entries, 0, entries.size())};
        while (boxes.size() < std::size_t(maxColours)) {
            // Split the box whose colours spread widest, weighted by how much they cover.
            auto pick = boxes.end();
            double best = 0;
            for (auto it = boxes.begin(); it != boxes.end(); ++it) {
                const double score = double(it->range) * std::sqrt(double(it->weight));
                if (it->end - it->begin > 1 && score > best) {
                    best = score;
                    pick = it;
                }
            }
            if (pick == boxes.end())
                break;
            const Box box = *pick;
            const int axis = box.longestAxis;
            std::stable_sort(entries.begin() + std::ptrdiff_t(box.begin),
                             entries.begin() + std::ptrdiff_t(box.end),
                             [axis](const Entry &a, const Entry &b) {
                                 const int ca = channel(a.colour, axis);
                                 const int cb = channel(b.colour, axis);
                                 return ca != cb ? ca < cb : a.colour < b.colour;
                             });
            std::uint64_t half = 0;
            std::size_t split = box.begin + 1;
            for (std::size_t i = box.begin; i < box.end - 1; ++i) {
                half += entries[i].count;
                split = i + 1;
                if (half * 2 >= box.weight)
                    break;
            }
            *pick = makeBox(entries, box.begin, split);
            boxes.push_back(makeBox(entries, split, box.end));
        }
        for (const Box &box : boxes)
            palette.m_colours.push_back(representative(entries, box));
        std::sort(palette.m_colours.begin(), palette.m_colours.end());
        palette.m_colours.erase(std::unique(palette.m_colours.begin(), palette.m_colours.end()),
                                palette.m_colours.end());
    }

    for (const Entry &e : entries) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < palette.m_colours.size(); ++i) {
            if (distance(e.colour, palette.m_colours[i]) <
                distance(e.colour, palette.m_colours[best]))
                best = i;
        }
        palette.m_index.emplace(e.colour, std::uint8_t(best));
    }
    return palette;
}

std::uint8_t Palette::indexOf(QRgb colour) const
{
    const auto it = m_index.find(colour | 0xff000000u);
    if (it == m_index.end())
        throw std::runtime_error("colour outside the images the palette was made from");
    return it->second;
}

} // namespace pictures
