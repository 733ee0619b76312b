#include "course/coursegen/LevelCapacity.h"

#include <QHash>

namespace coursegen {

LevelCapacity LevelCapacity::of(int level)
{
    static const QHash<int, int> orderTiles{{1, 8}, {2, 10}, {3, 18}, {4, 8},   {5, 18},
                                            {6, 8}, {7, 16}, {8, 34}, {11, 12}, {14, 10}};
    if (orderTiles.contains(level)) {
        const int tiles = orderTiles.value(level);
        return {tiles, tiles, QStringLiteral("its order test has that many tiles")};
    }
    // 15 questions of distinct letters, and pictures for the first 34 only.
    if (level == 9) {
        return {15, 34,
                QStringLiteral("its listening test asks 15 questions and shows up to 34 letters")};
    }
    if (level == 12)
        return {12, 12, QStringLiteral("its listening test shows 12 signs")};
    return {0, 0, QStringLiteral("its content does not come from the letter tables")};
}

} // namespace coursegen
