#pragma once

#include "course/sounds/Pcm.h"

namespace sounds {

// Applause of the given length (22050 Hz): many short hand claps at
// irregular times, loud at first and dying away to silence at the end.
// The irregularity comes from a fixed seed, so the same length always gives
// the same samples. Throws std::invalid_argument for a length that is not in
// (0, 60] seconds.
Pcm applause(double seconds);

} // namespace sounds
