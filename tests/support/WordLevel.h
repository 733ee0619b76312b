#pragma once

#include "tests/support/LessonLevel.h"

#include <QColor>
#include <QPixmap>
#include <QString>

#include <vector>

class TempProgramFolder;

namespace schema {
class Writer;
}

// The spelling words, or the numbers, of a level in a test's program folder:
// a letter key set (or the digit keys) whose pictures each carry a colour of
// their own, and words spelled with those keys, each with a recording path
// of its own (no file: the test's sounds end when it says).
class WordLevel final
{
public:
    WordLevel(TempProgramFolder &folder, int level);

    // Keys 1..count, KeyboardID in order.
    void writeKeys(int count = 34);
    void writeWord(int wordId, const std::vector<int> &keys);
    // Words 1..count spelled as spelling(wordId).
    void writePool(int count = 60);
    // The level's only Exam row.
    void writePassMark(int mark);

    // The digit keys 0..9, KeyboardID in order, coloured as letter keys 1..10.
    void writeDigitKeys();
    // A numbers-course level: Words 1..count by place in the range, each with
    // numberSound(place), and the digits of the numbers first .. first +
    // count - 1 in WordLetter by the number itself.
    void writeNumbers(int first, int count = 20);
    // A level's own recording of the place, so that levels tell apart.
    QString numberSound(int place) const; // as stored, from "\"
    static std::vector<int> digits(int number);
    // The digit (0..9) a picture shows; -1 for none.
    static int digitShown(const QPixmap &picture);

    // Two to five different keys, a different spelling for every word up to 60.
    static std::vector<int> spelling(int wordId);
    static QString soundFile(int wordId); // as stored, from "\"
    static QColor keyColour(int key);
    // The key (1..34) a picture shows; 0 for none.
    static int keyShown(const QPixmap &picture);

private:
    void addLetters(schema::Writer &writer, int wordId, const std::vector<int> &keys);

    TempProgramFolder &m_folder;
    LessonLevel m_media;
    int m_level;
};
