#pragma once

#include "course/sounds/Pcm.h"

namespace sounds {

// How long a recording is heard to speak: from the first to the last 10 ms
// window whose level reaches a tenth of the loudest window's.
double voicedSeconds(const Pcm &pcm);

// Lengthens the loudest stretch of `pcm` (the vowel, in a letter's name)
// at its own pitch until voicedSeconds(pcm) reaches `seconds`; the sounds
// around it keep their length. A recording that is long enough already is
// left as it is.
void holdVowel(Pcm &pcm, double seconds);

} // namespace sounds
