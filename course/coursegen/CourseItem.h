#pragma once

#include <QString>

#include <array>

namespace coursegen {

// The tables the items of the course come from, in the order of their files.
enum class ItemTable
{
    Consonants,
    Vowels,
    VowelSigns,
    Numerals
};

// A word that illustrates an item, with the emoji its picture repeats.
struct Example
{
    QString word;
    QString emoji;
    QString say; // what the voice reads: the word, or how it is really spoken
};

// One thing the learner meets in a lesson: a consonant, vowel, vowel sign or
// numeral, as its table row describes it.
struct CourseItem
{
    ItemTable table = ItemTable::Consonants;
    int index = 0;   // 1-based place in its table, which is lesson order
    QString key;     // the first column: how levels.tsv names it
    QString text;    // what is drawn: the letter, the sign on its circle, the numeral
    QString name;    // the pronunciation shown under it
    QString say;     // what the voice reads
    int count = 1;   // things in each example picture: the numeral's value, else 1
    QString strokes; // where its strokes start, from strokes.tsv; empty for the usual order
    std::array<Example, 2> examples;
};

} // namespace coursegen
