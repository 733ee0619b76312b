#include "course/sounds/Chant.h"

#include "course/sounds/Shaping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace sounds {

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;
constexpr double Fundamental = 130.81; // C3, a low, calm voice
constexpr double TopFrequency = 4000.0;
constexpr double Peak = 0.7;

struct Formant
{
    double frequency;
    double bandwidth;
    double gain;
};

// "o" as a low male voice sings it, and the nasal murmur of a closed-mouth "m":
// one strong low resonance and little above it.
constexpr std::array<Formant, 3> VowelO{{{450, 90, 1.0}, {800, 100, 0.55}, {2830, 150, 0.08}}};
constexpr std::array<Formant, 3> HumM{{{250, 70, 1.0}, {1100, 150, 0.06}, {2500, 200, 0.02}}};

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Spectral envelope of the mouth at `mix` between "o" (0) and "m" (1), at frequency f.
double mouth(double mix, double f)
{
    double gain = 0.0;
    for (std::size_t i = 0; i < VowelO.size(); ++i) {
        const Formant &o = VowelO[i];
        const Formant &m = HumM[i];
        const double centre = o.frequency + mix * (m.frequency - o.frequency);
        const double width = o.bandwidth + mix * (m.bandwidth - o.bandwidth);
        const double height = o.gain + mix * (m.gain - o.gain);
        const double x = (f - centre) / (width / 2.0);
        gain += height / (1.0 + x * x);
    }
    return gain + 0.01; // a breath of everything, so no harmonic vanishes entirely
}

} // namespace

Pcm chant(double seconds)
{
    const std::size_t count = sampleCount(seconds, SampleRate);
    const int harmonics = int(TopFrequency / Fundamental);
    const double attack = std::min(0.8, 0.25 * seconds);
    const double release = std::min(1.8, 0.45 * seconds);
    // Gains are recomputed every block: the mouth moves slowly.
    constexpr std::size_t Block = 64;

    std::vector<double> signal(count);
    std::vector<double> phase(std::size_t(harmonics) + 1, 0.0);
    std::vector<double> gains(std::size_t(harmonics) + 1, 0.0);

    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        if (i % Block == 0) {
            const double mix = smoothstep(0.4 * seconds, 0.7 * seconds, t);
            for (int k = 1; k <= harmonics; ++k)
                gains[std::size_t(k)] = mouth(mix, k * Fundamental) / k; // source falls 6 dB/octave
        }
        // A gentle vibrato that grows in after the attack, as a singer's does.
        const double vibrato =
            0.003 * smoothstep(0.0, attack * 2.0, t) * std::sin(2 * Pi * 4.8 * t);
        const double f0 = Fundamental * (1.0 + vibrato);
        double sample = 0.0;
        for (int k = 1; k <= harmonics; ++k) {
            double &p = phase[std::size_t(k)];
            p += 2 * Pi * k * f0 / SampleRate;
            if (p > 2 * Pi)
                p -= 2 * Pi * std::floor(p / (2 * Pi));
            sample += gains[std::size_t(k)] * std::sin(p);
        }
        const double rise = 0.5 - 0.5 * std::cos(Pi * std::min(1.0, t / attack));
        const double left = seconds - t;
        const double fall = left >= release ? 1.0 : std::pow(left / release, 2.0);
        signal[i] = sample * rise * fall;
    }
    return toPcm(signal, SampleRate, Peak);
}

} // namespace sounds
