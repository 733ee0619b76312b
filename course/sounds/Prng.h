#pragma once

#include <cstdint>

namespace sounds {

// SplitMix64 with its own conversion to doubles, so that the "random" sounds
// are the same bytes on every machine and standard library (the standard
// distributions are not specified bit for bit).
class Prng final
{
public:
    explicit Prng(std::uint64_t seed)
        : m_state(seed)
    {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1): the top 53 bits.
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }

private:
    std::uint64_t m_state;
};

} // namespace sounds
