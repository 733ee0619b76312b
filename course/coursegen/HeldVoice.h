#pragma once

#include <QString>

namespace coursegen {

// Milliseconds of voice that a name said alone (a letter's, a sign's, a
// digit's, a number's) is held for at least, so that a child hears it out:
// `text` is what is drawn for it. The test asks for half a second of voice;
// the rest is room for the encoder's rounding. The short vowels ઇ and ઉ (and
// their signs) are held to about 0.6 of the long ઈ and ઊ: their length is
// what the ear tells them apart by.
int heldVoiceMilliseconds(const QString &text);

// A number of the numbers levels is held to this at least: the shortest,
// of one syllable (દસ, બાર, સો), then last about as long as the others,
// which are left as they are.
inline constexpr int NumberVoiceMilliseconds = 560;

} // namespace coursegen
