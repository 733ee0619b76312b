#pragma once

#include "shell/levels/LevelTable.h"

#include <QLatin1String>

namespace coursegen {

// The levels whose windows need more than letters, found by the window that
// runs them, so that the level table alone decides which level that is.
inline bool runsForm(int level, const char *form)
{
    const levels::LevelRow *row = levels::row(level);
    return row != nullptr && QLatin1String(row->form) == QLatin1String(form);
}

// The syllable chart reads a Configuration row.
inline bool isSyllableChart(int level)
{
    return runsForm(level, "frmLevel25");
}

// The listening tests of the letters and of the vowel signs.
inline bool isLetterListening(int level)
{
    return runsForm(level, "frmLevel9");
}
inline bool isSignListening(int level)
{
    return runsForm(level, "frmLevel19");
}

// The spelling exercise reads the letter keyboard's keys and the words.
inline bool isSpelling(int level)
{
    return runsForm(level, "frmLevel10");
}

// The numbers course reads the digit key set and the numbers of its range.
inline bool isNumbers(int level)
{
    return runsForm(level, "frmLevel12");
}

// The maths exercise reads the digit key set alone: its sums are drawn, not stored.
inline bool isMaths(int level)
{
    return runsForm(level, "frmLevel20");
}

// The levels typed on the digit keypad.
inline bool usesDigitKeys(int level)
{
    return isNumbers(level) || isMaths(level);
}

} // namespace coursegen
