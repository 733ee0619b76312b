#include "course/sounds/Hold.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sounds {
namespace {

constexpr double WindowSeconds = 0.01;
constexpr double HeardLevel = 0.1; // of the loudest window: where the voice is heard
constexpr double VowelLevel = 0.5; // of the loudest window: the vowel's steady part
constexpr double MaxStretch = 12.0;

std::vector<double> windowLevels(const Pcm &pcm, std::size_t window)
{
    std::vector<double> levels;
    for (std::size_t begin = 0; begin < pcm.samples.size(); begin += window) {
        const std::size_t end = std::min(begin + window, pcm.samples.size());
        double sum = 0.0;
        for (std::size_t i = begin; i < end; ++i)
            sum += double(pcm.samples[i]) * pcm.samples[i];
        levels.push_back(std::sqrt(sum / double(end - begin)));
    }
    return levels;
}

std::size_t windowSize(const Pcm &pcm)
{
    return std::max<std::size_t>(1, std::size_t(std::lround(WindowSeconds * pcm.sampleRate)));
}

// The longest run of windows at or above `level` of the loudest, as a sample range.
std::pair<std::size_t, std::size_t> loudestRun(const Pcm &pcm, double level)
{
    const std::size_t window = windowSize(pcm);
    const std::vector<double> levels = windowLevels(pcm, window);
    const double loudest = levels.empty() ? 0.0 : *std::max_element(levels.begin(), levels.end());
    std::size_t bestBegin = 0, bestLength = 0;
    for (std::size_t i = 0; i < levels.size();) {
        if (loudest <= 0.0 || levels[i] < level * loudest) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < levels.size() && levels[j] >= level * loudest)
            ++j;
        if (j - i > bestLength) {
            bestBegin = i;
            bestLength = j - i;
        }
        i = j;
    }
    return {bestBegin * window, std::min(pcm.samples.size(), (bestBegin + bestLength) * window)};
}

} // namespace

double voicedSeconds(const Pcm &pcm)
{
    const std::size_t window = windowSize(pcm);
    const std::vector<double> levels = windowLevels(pcm, window);
    if (levels.empty() || pcm.sampleRate <= 0)
        return 0.0;
    const double loudest = *std::max_element(levels.begin(), levels.end());
    if (loudest <= 0.0)
        return 0.0;
    const auto heard = [&](double l) { return l >= HeardLevel * loudest; };
    const auto first = std::find_if(levels.begin(), levels.end(), heard);
    const auto last = std::find_if(levels.rbegin(), levels.rend(), heard);
    const auto windows = std::distance(first, last.base());
    return double(windows) * double(window) / pcm.sampleRate;
}

namespace {

// Overlap-add of windowed frames (WSOLA): each output frame is taken near
// where the input has got to, at the offset that best continues the frame
// before, so the voice's periods line up and its pitch stays as it was.
// Inside the vowel the input advances more slowly than the output.
// Returns false when there is no vowel long enough to hold.
bool stretchVowel(Pcm &pcm, double missing)
{
    const std::vector<qint16> &in = pcm.samples;
    const std::ptrdiff_t length = std::ptrdiff_t(in.size());
    const std::ptrdiff_t hop = std::ptrdiff_t(windowSize(pcm));
    const std::ptrdiff_t frame = 2 * hop;
    const std::ptrdiff_t tolerance = hop; // at least half a voice period
    const auto [vowelBegin, vowelEnd] = loudestRun(pcm, VowelLevel);
    // Frames that start this far in lie wholly inside the vowel.
    const std::ptrdiff_t holdEnd = std::ptrdiff_t(vowelEnd) - frame;
    if (holdEnd - std::ptrdiff_t(vowelBegin) < hop || length < 2 * frame + tolerance)
        return false;
    const double holdSamples = double(holdEnd - std::ptrdiff_t(vowelBegin));
    const double stretch =
        std::min(MaxStretch, (holdSamples + missing * pcm.sampleRate) / holdSamples);
    std::vector<double> shape(static_cast<std::size_t>(frame));
    for (std::ptrdiff_t i = 0; i < frame; ++i)
        shape[std::size_t(i)] = 0.5 - 0.5 * std::cos(2.0 * M_PI * double(i) / double(frame));

    std::vector<double> out;
    const auto addFrame = [&](std::ptrdiff_t from, std::ptrdiff_t at) {
        if (out.size() < std::size_t(at + frame))
            out.resize(std::size_t(at + frame), 0.0);
        for (std::ptrdiff_t i = 0; i < frame; ++i)
            out[std::size_t(at + i)] += shape[std::size_t(i)] * in[std::size_t(from + i)];
    };

    double nominal = 0.0;
    std::ptrdiff_t taken = 0;
    addFrame(0, 0);
    for (std::ptrdiff_t at = hop;; at += hop) {
        const bool inVowel = nominal >= double(vowelBegin) && nominal < double(holdEnd);
        nominal += inVowel ? double(hop) / stretch : double(hop);
        const std::ptrdiff_t natural = taken + hop;
        if (std::ptrdiff_t(nominal) + frame + tolerance > length || natural + frame > length)
            break;
        // Normalised, so that where the input runs on unchanged, the frame
        // that continues it exactly wins; ties (silence) keep the nominal place.
        const auto match = [&](std::ptrdiff_t candidate) {
            double product = 0.0, energy = 0.0;
            for (std::ptrdiff_t i = 0; i < frame; ++i) {
                const double c = in[std::size_t(candidate + i)];
                product += double(in[std::size_t(natural + i)]) * c;
                energy += c * c;
            }
            return energy > 0.0 ? product / std::sqrt(energy) : 0.0;
        };
        std::ptrdiff_t best = std::ptrdiff_t(nominal);
        double bestScore = match(best);
        for (std::ptrdiff_t d = -tolerance; d <= tolerance; ++d) {
            const std::ptrdiff_t candidate = std::ptrdiff_t(nominal) + d;
            if (d == 0 || candidate < 0)
                continue;
            const double score = match(candidate);
            if (score > bestScore) {
                bestScore = score;
                best = candidate;
            }
        }
        addFrame(best, at);
        taken = best;
    }

    std::vector<qint16> held(out.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        held[i] = qint16(std::clamp(std::lround(out[i]), -32767L, 32767L));
    pcm.samples = std::move(held);
    return true;
}

} // namespace

void holdVowel(Pcm &pcm, double seconds)
{
    // The heard span moves a little with the frames' edges: measured again
    // until it is long enough.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const double missing = seconds - voicedSeconds(pcm);
        if (missing <= 0.0 || !stretchVowel(pcm, missing + WindowSeconds))
            return;
    }
}

} // namespace sounds
