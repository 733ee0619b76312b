#pragma once

#include "course/schema/LetterRow.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace coursegen {

// One key of an on-screen keyboard (a KeyboardCharSet row): its number is its
// place on the keyboard, 1 first on the letter keyboard, 0 first on the
// digit keypad.
struct KeyRow
{
    int keyboardId = 0;
    QString code;      // the key text, "k" or "7"
    QString character; // the letter or numeral, "ક" or "૭"
    QString picture;   // stored paths
    QString sound;
};

// A spelling word or a number (a Words row) and one letter or digit of it (a
// WordLetter row).
struct WordRow
{
    int wordId = 0;
    QString soundFile;
};
struct WordLetterRow
{
    int wordId = 0;
    int keyboardId = 0;
    int id = 0; // running over the whole table, in spelling order
};

// Everything one level database holds: its letters in lesson order and its
// pass mark (the single Exam row).
struct LevelContent
{
    int level = 0;
    QList<schema::LetterRow> letters;
    int passMark = 0;
    // The syllable chart's Configuration row: the last consonant it shows.
    std::optional<int> maxLetter;
    // The key set and the words (or numbers) of the keyboard exercises;
    // WordLetter rows in the order they are written, which is the order they
    // are read back.
    QList<KeyRow> keys;
    QList<WordRow> words;
    QList<WordLetterRow> wordLetters;

    // "\levels\level7.kdt"
    QString storedPath() const;

    // A digest of every value and of the level schema: equal digests make
    // equal databases.
    QByteArray contentHash() const;
};

} // namespace coursegen
