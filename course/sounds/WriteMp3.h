#pragma once

#include "course/sounds/Pcm.h"

#include <QString>

namespace sounds {

// Encodes `pcm` as a mono MP3 at a constant `kbitPerSecond` (48 unless told), at the PCM's own
// sample rate where MP3 has it (else LAME's nearest), with no ID3 tag or
// info frame, so the same samples always give the same bytes. Decoders add
// LAME's start-up delay (about 50 ms of silence) in front. Written to
// mp3Path + ".part" first and renamed into place, so a reader never sees half
// a file. Throws std::runtime_error on any failure (no samples, a senseless
// sample rate, encoder or file error), leaving neither file behind.
void writeMp3(const Pcm &pcm, const QString &mp3Path, int kbitPerSecond = 48);

} // namespace sounds
