#pragma once

#include <QString>

namespace coursegen {

// How many items a level's exercise can take: the order tests have a tile
// for every letter, the listening tests a fixed number of pictures and
// questions, and the other levels take none from the letter tables.
struct LevelCapacity
{
    int lowest = 0;
    int highest = 0;
    QString why;
    // The questions of its test, which its pass mark must lie within (a pass
    // mark of 0 would pass a child who answers nothing); 0 where the pass
    // mark is not checked here.
    int questions = 0;

    static LevelCapacity of(int level);
};

} // namespace coursegen
