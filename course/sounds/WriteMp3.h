#pragma once

#include "course/sounds/Pcm.h"

#include <QString>

namespace sounds {

// Encodes `pcm` as a mono MP3 (48 kbit/s constant bit rate, at the PCM's own
// sample rate where MP3 has it, else LAME's nearest) with a LAME info frame for exact length and gapless play, and
// no ID3 tag: the same samples always give the same bytes. Written to
// mp3Path + ".part" first and renamed into place, so a reader never sees half
// a file. Throws std::runtime_error on any failure (empty PCM, unsupported
// sample rate, encoder or file error), leaving neither file behind.
void writeMp3(const Pcm &pcm, const QString &mp3Path);

} // namespace sounds
