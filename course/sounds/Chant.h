#pragma once

#include "course/sounds/Pcm.h"

namespace sounds {

// A calm sung "om" of the given length (22050 Hz): a low voice that opens on
// "o" and closes into a hummed "m", with a soft attack and a long release.
// The same length always gives the same samples. Throws std::invalid_argument
// for a length that is not in (0, 60] seconds.
Pcm chant(double seconds);

} // namespace sounds
