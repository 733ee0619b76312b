#pragma once

#include "tests/support/LessonLevel.h"

#include <QColor>
#include <QPixmap>
#include <QString>

#include <vector>

class TempProgramFolder;

// The spelling words of a level in a test's program folder: a letter key set
// whose pictures each carry a colour of their own, and words spelled with
// those keys, each with a recording path of its own (no file: the test's
// sounds end when it says).
class WordLevel final
{
public:
    WordLevel(TempProgramFolder &folder, int level);

    // Keys 1..count, KeyboardID in order.
    void writeKeys(int count = 34);
    void writeWord(int wordId, const std::vector<int> &keys);
    // Words 1..count spelled as spelling(wordId).
    void writePool(int count = 60);
    void writePassMark(int mark);

    // Two to five different keys, a different spelling for every word up to 60.
    static std::vector<int> spelling(int wordId);
    static QString soundFile(int wordId); // as stored, from "\"
    static QColor keyColour(int key);
    // The key (1..34) a picture shows; 0 for none.
    static int keyShown(const QPixmap &picture);

private:
    TempProgramFolder &m_folder;
    LessonLevel m_media;
    int m_level;
};
