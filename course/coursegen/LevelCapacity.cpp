#include "course/coursegen/LevelCapacity.h"

#include "course/coursegen/LevelForms.h"
#include "shell/levels/LevelTable.h"

namespace coursegen {

LevelCapacity LevelCapacity::of(int level)
{
    const levels::LevelRow *row = levels::row(level);
    if (row != nullptr && row->tiles > 0)
        return {row->tiles, row->tiles, QStringLiteral("its order test has that many tiles")};
    // 15 questions of distinct letters, and pictures for the first 34 only.
    if (isLetterListening(level)) {
        return {15, 34,
                QStringLiteral("its listening test asks 15 questions and shows up to 34 letters")};
    }
    if (isSpelling(level)) {
        return {1, 34,
                QStringLiteral("its lesson shows up to the 34 letters of its keyboard, and a "
                               "level without letters ends the program")};
    }
    // Every test of the numbers course asks ten numbers.
    if (isNumbers(level))
        return {0, 0, QStringLiteral("its numbers do not come from the letter tables"), 10};
    // And every maths test ten sums.
    if (isMaths(level))
        return {0, 0, QStringLiteral("its sums do not come from the letter tables"), 10};
    if (isSignListening(level))
        return {12, 12, QStringLiteral("its listening test shows 12 signs")};
    return {0, 0, QStringLiteral("its content does not come from the letter tables")};
}

} // namespace coursegen
