#include "course/sounds/Shaping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>

namespace sounds {

namespace {

int peakOf(const Pcm &pcm)
{
    int peak = 0;
    for (const qint16 s : pcm.samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

qint16 clampToSample(double v)
{
    return qint16(std::lround(std::clamp(v, -32767.0, 32767.0)));
}

} // namespace

void trimSilence(Pcm &pcm, double leadSeconds, double tailSeconds)
{
    // Relative to the loudest part, with a floor so that dither-level noise
    // in a quiet recording does not count as sound.
    const int threshold = std::max(peakOf(pcm) / 50, 40);
    const auto loud = [threshold](qint16 s) { return std::abs(int(s)) > threshold; };
    const auto first = std::find_if(pcm.samples.begin(), pcm.samples.end(), loud);
    if (first == pcm.samples.end()) {
        pcm.samples.clear();
        return;
    }
    const auto last = std::find_if(pcm.samples.rbegin(), pcm.samples.rend(), loud).base();

    // The margins always have their full length, taken from the recording
    // where it has them and silence where it does not.
    const auto lead = std::ptrdiff_t(std::lround(leadSeconds * pcm.sampleRate));
    const auto tail = std::ptrdiff_t(std::lround(tailSeconds * pcm.sampleRate));
    const std::ptrdiff_t from = (first - pcm.samples.begin()) - lead;
    const std::ptrdiff_t to = (last - pcm.samples.begin()) + tail;
    const std::ptrdiff_t size = std::ptrdiff_t(pcm.samples.size());

    std::vector<qint16> kept(std::size_t(to - from), 0);
    for (std::ptrdiff_t i = std::max<std::ptrdiff_t>(from, 0); i < std::min(to, size); ++i)
        kept[std::size_t(i - from)] = pcm.samples[std::size_t(i)];
    pcm.samples = std::move(kept);
}

void fadeEnds(Pcm &pcm, double inSeconds, double outSeconds)
{
    const std::size_t size = pcm.samples.size();
    const std::size_t in = std::min(size, std::size_t(std::lround(inSeconds * pcm.sampleRate)));
    const std::size_t out = std::min(size, std::size_t(std::lround(outSeconds * pcm.sampleRate)));
    for (std::size_t i = 0; i < in; ++i)
        pcm.samples[i] = clampToSample(pcm.samples[i] * (double(i) / double(in)));
    for (std::size_t i = 0; i < out; ++i) {
        qint16 &s = pcm.samples[size - 1 - i];
        s = clampToSample(s * (double(i) / double(out)));
    }
}

void normalisePeak(Pcm &pcm, double peak)
{
    const int current = peakOf(pcm);
    if (current == 0)
        return;
    const double gain = peak * 32767.0 / current;
    for (qint16 &s : pcm.samples)
        s = clampToSample(s * gain);
}

Pcm toPcm(const std::vector<double> &signal, int sampleRate, double peak)
{
    double loudest = 0.0;
    for (const double v : signal)
        loudest = std::max(loudest, std::abs(v));
    const double gain = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;

    Pcm pcm;
    pcm.sampleRate = sampleRate;
    pcm.samples.reserve(signal.size());
    for (const double v : signal)
        pcm.samples.push_back(clampToSample(v * gain));
    return pcm;
}

std::size_t sampleCount(double seconds, int sampleRate)
{
    if (!std::isfinite(seconds) || seconds <= 0.0 || seconds > 60.0)
        throw std::invalid_argument(
            "sound length must be more than 0 and at most 60 seconds, not " +
            std::to_string(seconds));
    return std::size_t(std::lround(seconds * sampleRate));
}

} // namespace sounds
