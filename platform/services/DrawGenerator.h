#pragma once

#include <chrono>
#include <random>

namespace services {

// The random numbers of every deal and draw of the exercises, seeded once per
// run from a fine clock: re-seeding for every draw from a coarse timer would
// repeat a layout.
inline std::mt19937 &drawGenerator()
{
    static std::mt19937 engine(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return engine;
}

} // namespace services
