#pragma once

#include <QHash>
#include <QString>

namespace coursegen {

// How the voice should say words that the usual rules get wrong
// (speech.tsv): a compound's parts, each said as a word of its own but
// without a pause, or "-" for a word whose every vowel is kept.
struct Pronunciation
{
    QHash<QString, QString> parts; // word -> its parts joined by "|", or "-"
};

// The one step between a say text and what the voice reads: inside each
// Gujarati word the inherent vowel that speech drops is marked with a virama
// (શરબત is said શર્બત), an anusvara before a consonant becomes that
// consonant's nasal (લીંબુ, લીમ્બુ), જ્ઞ is said ગ્ન and ષ in a word શ (ધનુષ,
// ધનુશ). Phonemes between
// [[ and ]] pass unchanged. Applying it twice changes nothing.
QString sayText(const QString &text, const Pronunciation &pronunciation);

} // namespace coursegen
