#pragma once

#include <QString>

// The syllable chart: one consonant joined with each of twelve vowel signs,
// and the names of the recordings it plays. Shared by the chart window and
// the content tool, so the files made are the files asked for.
namespace text::syllables {

inline constexpr int SignCount = 12;
inline constexpr int ConsonantCount = 34; // indexes 0..33
inline constexpr int LastConsonant = ConsonantCount - 1;

// The key text of sign 0..11: "" (the consonant alone), "A", "i", "I", "u",
// "U", "e", "E", "Ae", "AE", ">", ":".
QString signKey(int sign);

// The key text of consonant `index` joined with sign `sign`; sign 2 ("i")
// is typed before its consonant.
QString syllableKey(const QString &consonantKey, int sign);

// The letters that name consonant `index` in its recordings' file names:
// "a".."z" for 0..25, then "va", "sha", "ssa", "sa", "ha", "lla", "ksha",
// "gna" for 26..33. All lower case and letters only, so no two names differ
// by case alone and the number in front of a name never runs into it.
QString consonantCode(int index);

// Stored paths in the program folder ("\sounds\...").
QString consonantSound(int consonant);          // "Vowels_1" + code
QString plusSound();                            // "Vow_Plus.mp3"
QString signSound(int sign);                    // "Vow_" + sign
QString syllableSound(int sign, int consonant); // "Vowels_" + (sign + 1) + code
QString playAllSound(int sign, int consonant);  // "Vow_" + (sign + 1) + code

} // namespace text::syllables
