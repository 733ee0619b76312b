#pragma once

#include <QString>

// Syllables and numbers are built as short ASCII key texts ("k", "kA", "ik",
// "kAe", "27"). A panel whose font name is the key font shows the Gujarati
// text those keys stand for, drawn in a real Gujarati font, while its caption
// stays the key text that the code compares and splits.
namespace text {

// The font name that marks a panel as showing key text.
inline const QString KeyFontName = QStringLiteral("Sarvik");
// The font that draws the Gujarati text.
inline const QString GujaratiFontFamily = QStringLiteral("Noto Sans Gujarati");

// The Unicode text of one consonant key ("k" -> "ક", "R" -> "ક્ષ"), or an
// empty string when the character is not a consonant key.
QString consonantText(QChar key);

// The consonant key at `index` of the syllable chart's order (0 "k" .. 33
// "Y"), or an empty string outside 0..ConsonantKeyCount - 1.
inline constexpr int ConsonantKeyCount = 34;
QString consonantKeyAt(int index);

// The Unicode vowel sign of a vowel-sign key ("A", "i", ..., "Ae", "AE", ">",
// ":"), or an empty string when it is not one.
QString vowelSignText(const QString &key);

// The whole key text in Unicode. "i" before a consonant is written after it
// in Unicode; a vowel sign with no consonant before it is shown on a dotted
// circle so a child can see it; digits become Gujarati numerals; any other
// character is kept as it is.
QString toUnicode(const QString &keyText);

} // namespace text
