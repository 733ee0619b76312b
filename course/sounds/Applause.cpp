#include "course/sounds/Applause.h"

#include "course/sounds/Prng.h"
#include "course/sounds/Shaping.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sounds {

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;
constexpr int Clappers = 14; // a small room of people
constexpr double ClapLength = 0.06;
constexpr double Peak = 0.7;
constexpr double Drive = 2.0;
constexpr std::uint64_t Seed = 0x6F73747261ull;

// Loudness of the crowd over time: full at first, then dying away to
// nothing at the very end.
double crowd(double t, double seconds)
{
    const double holdUntil = 0.35 * seconds;
    if (t <= holdUntil)
        return 1.0;
    const double x = (t - holdUntil) / (seconds - holdUntil);
    return std::pow(std::max(0.0, 1.0 - x), 1.6);
}

struct Hands
{
    double centre; // the pitch of this person's clap
    double q;
};

// One clap: a burst of noise with a sharp onset and fast decay, band-passed
// (RBJ biquad, constant peak gain) around the pitch of these hands.
void addClap(std::vector<double> &signal, std::size_t start, double level, const Hands &hands,
             Prng &random)
{
    const double centre = hands.centre * random.uniform(0.93, 1.07);
    const double q = hands.q;
    const double decay = random.uniform(0.004, 0.012);

    const double w = 2 * Pi * centre / SampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    const double b0 = alpha / a0;
    const double b2 = -alpha / a0;
    const double a1 = -2 * std::cos(w) / a0;
    const double a2 = (1 - alpha) / a0;

    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    const std::size_t length = std::size_t(ClapLength * SampleRate);
    for (std::size_t j = 0; j < length && start + j < signal.size(); ++j) {
        const double t = double(j) / SampleRate;
        const double onset = std::min(1.0, t / 0.0008);
        const double x = (random.uniform() * 2 - 1) * onset * std::exp(-t / decay);
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        signal[start + j] += level * y;
    }
}

} // namespace

Pcm applause(double seconds)
{
    const std::size_t count = sampleCount(seconds, SampleRate);
    std::vector<double> signal(count, 0.0);
    Prng random(Seed);

    // Each person claps at their own steady pace, a little unevenly, from a
    // start within their first beat (so the room is not in step) until some
    // time in the second half: the applause thins out as it fades.
    for (int person = 0; person < Clappers; ++person) {
        const Hands hands{random.uniform(800.0, 2400.0), random.uniform(1.0, 2.2)};
        const double period = 1.0 / random.uniform(3.2, 5.0);
        const double loudness = random.uniform(0.4, 1.0);
        const double stop = seconds * random.uniform(0.45, 0.97);
        for (double t = random.uniform(0.0, period); t < stop;
             t += period * random.uniform(0.9, 1.1)) {
            const double level = loudness * crowd(t, seconds) * random.uniform(0.75, 1.0);
            addClap(signal, std::size_t(t * SampleRate), level, hands, random);
        }
    }

    // The last clap may ring past the crowd's end: close the tail to silence.
    const std::size_t fade = std::min(count, std::size_t(0.05 * SampleRate));
    for (std::size_t i = 0; i < fade; ++i)
        signal[count - 1 - i] *= double(i) / double(fade);

    // Soft limiting takes the edge off the loudest coincident claps, so the
    // whole sounds as loud as the speech beside it at the same peak.
    double loudest = 0.0;
    for (const double v : signal)
        loudest = std::max(loudest, std::abs(v));
    if (loudest > 0.0)
        for (double &v : signal)
            v = std::tanh(Drive * v / loudest);

    return toPcm(signal, SampleRate, Peak);
}

} // namespace sounds
