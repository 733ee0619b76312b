#pragma once

#include "course/sounds/Pcm.h"

#include <vector>

namespace sounds {

// Cuts leading and trailing near-silence, keeping margins of exactly the given
// lengths (padded with silence where the recording is shorter) so that soft
// onsets and the release of a final consonant survive.
void trimSilence(Pcm &pcm, double leadSeconds, double tailSeconds);

// Linear fade in over the first and fade out over the last samples.
void fadeEnds(Pcm &pcm, double inSeconds, double outSeconds);

// Scales so that the loudest sample reaches `peak` (a fraction of full scale);
// silence stays silence.
void normalisePeak(Pcm &pcm, double peak);

// Floating-point signal (full scale = 1.0) scaled to `peak` and rounded into a Pcm.
Pcm toPcm(const std::vector<double> &signal, int sampleRate, double peak);

// Number of samples for a duration; throws std::invalid_argument for a
// duration that is not positive, not finite or longer than a minute.
std::size_t sampleCount(double seconds, int sampleRate);

} // namespace sounds
