#pragma once

#include "course/sounds/Pcm.h"

#include <QString>

namespace sounds {

// `text` spoken by espeak-ng in `voice`, a little slower than its default
// (the listeners are children), with the silence around it trimmed, short
// fades and the level normalised. Safe from any thread: espeak-ng has one
// global state, so calls are serialised. Throws std::runtime_error when
// espeak-ng cannot start, the voice is unknown or nothing audible comes out.
Pcm speak(const QString &text, const QString &voice = QStringLiteral("gu"));

} // namespace sounds
