#pragma once

#include "course/coursegen/CourseItem.h"

#include <QList>
#include <QString>

namespace coursegen {

// A word of the spelling exercise. The letter keyboard types consonants only,
// so a word is a row of consonants, each read with its own vowel.
struct CourseWord
{
    int id = 0; // 1..WordCount, its place in words.tsv
    QString text;
    QString say;        // what the voice reads: the word, or how it is really spoken
    QString meaning;    // for the teacher only
    QList<int> letters; // 0-based indexes into the consonants, spelling order
};

// The exercise draws its words from a pool of exactly this many, and shows
// each in a row of at most MaxLetters picture cells; a typed answer needs at
// least MinLetters.
inline constexpr int WordCount = 60;
inline constexpr int MinLetters = 2;
inline constexpr int MaxLetters = 6;

// The consonants that spell `word`, matched longest first so that ક્ષ and જ્ઞ
// are one letter each. Anything else in the word is a fault, described in
// `fault`, and gives an empty list.
QList<int> spell(const QString &word, const QList<CourseItem> &consonants, QString *fault);

// Reads and checks words.tsv in `folder`; throws TableError at the first fault.
QList<CourseWord> loadWords(const QString &folder, const QList<CourseItem> &consonants);

} // namespace coursegen
