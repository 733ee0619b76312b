#pragma once

#include "course/sounds/Pcm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

// Level measurements shared by the sound tests; full scale is 32767.
namespace pcmtest {

inline double rms(const sounds::Pcm &pcm, std::size_t begin = 0, std::size_t end = std::size_t(-1))
{
    end = std::min(end, pcm.samples.size());
    if (begin >= end)
        return 0.0;
    double sum = 0.0;
    for (std::size_t i = begin; i < end; ++i)
        sum += double(pcm.samples[i]) * pcm.samples[i];
    return std::sqrt(sum / double(end - begin)) / 32767.0;
}

inline int peak(const sounds::Pcm &pcm)
{
    int p = 0;
    for (const qint16 s : pcm.samples)
        p = std::max(p, std::abs(int(s)));
    return p;
}

// Samples at (or beyond) the limit: the sign of clipping.
inline int clipped(const sounds::Pcm &pcm)
{
    return int(std::count_if(pcm.samples.begin(), pcm.samples.end(),
                             [](qint16 s) { return s >= 32767 || s <= -32767; }));
}

inline std::size_t seconds(const sounds::Pcm &pcm, double s)
{
    return std::size_t(s * pcm.sampleRate);
}

// The lag (in samples) within [minLag, maxLag] where the signal best matches
// itself: the period of its fundamental.
inline int strongestPeriod(const sounds::Pcm &pcm, std::size_t begin, std::size_t length,
                           int minLag, int maxLag)
{
    int best = minLag;
    double bestScore = -std::numeric_limits<double>::infinity();
    for (int lag = minLag; lag <= maxLag; ++lag) {
        double score = 0.0;
        for (std::size_t i = begin; i < begin + length; ++i)
            score += double(pcm.samples[i]) * pcm.samples[i + std::size_t(lag)];
        if (score > bestScore) {
            bestScore = score;
            best = lag;
        }
    }
    return best;
}

} // namespace pcmtest
