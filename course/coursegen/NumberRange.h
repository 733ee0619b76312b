#pragma once

#include "course/coursegen/NumberTable.h"
#include "shell/levels/LevelTable.h"

#include <stdexcept>
#include <string>

namespace coursegen {

// The numbers a level of the numbers course teaches, as its window finds
// them from its NumberStage and MAX_WORDS: stages 1 to 5 are the twenty
// numbers from 1, 21, 41, 61 and 81, stage 0 the numbers 1 to 100. The
// window names a number by its position in the range, 1 first.
struct NumberRange
{
    int first = 1;
    int count = 0;

    int numberAt(int position) const { return first + position - 1; }

    // Throws std::logic_error when the row asks for numbers the window
    // could not show: ten distinct questions need ten numbers, a range's
    // list holds twenty, and numbers.tsv stops at 100.
    static NumberRange of(const levels::LevelRow &row)
    {
        NumberRange range;
        range.first = row.numberStage >= 1 ? 20 * (row.numberStage - 1) + 1 : 1;
        range.count = row.maxWords;
        const bool fits = row.numberStage >= 0 && row.numberStage <= 5 && range.count >= 10 &&
                          (row.numberStage == 0 || range.count <= 20) &&
                          range.numberAt(range.count) <= HighestNumber;
        if (!fits)
            throw std::logic_error("level " + std::to_string(row.level) + ": NumberStage " +
                                   std::to_string(row.numberStage) + " with MAX_WORDS " +
                                   std::to_string(row.maxWords) +
                                   " is not a range of the numbers course");
        return range;
    }
};

} // namespace coursegen
