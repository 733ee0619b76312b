#pragma once

#include "course/sounds/Pcm.h"

#include <QString>

namespace sounds {

// `text` spoken by espeak-ng in `voice`, a little slower than its default
// (the listeners are children), with the silence around it trimmed, short
// fades and the level normalised. Text between [[ and ]] is read as
// espeak-ng's phoneme names, so a word can be spoken otherwise than it is
// spelt. Safe from any thread: espeak-ng has one global state, so calls are
// serialised. Throws std::runtime_error when espeak-ng cannot start, the
// voice is unknown or nothing audible comes out.
Pcm speak(const QString &text, const QString &voice = QStringLiteral("gu"));

// As speak(), with the vowel held so that the voice is heard for at least
// `voicedSeconds` (see voicedSeconds()): a letter's name alone is over
// before a child has heard it.
Pcm speakHeld(const QString &text, double voicedSeconds,
              const QString &voice = QStringLiteral("gu"));

// The phonemes espeak-ng speaks for `text`, in its own phoneme names, as
// `espeak-ng -x` prints them ("k'e:l.u~"); words are separated by spaces.
QString phonemes(const QString &text, const QString &voice = QStringLiteral("gu"));

} // namespace sounds
