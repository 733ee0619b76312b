#pragma once

#include "course/coursegen/CourseItem.h"

#include <QList>

#include <optional>

namespace coursegen {

// One row of levels.tsv: the items a level teaches, and its pass mark.
struct LevelEntry
{
    int level = 0;
    std::optional<ItemTable> table; // none for levels whose content lies elsewhere
    QList<int> items;               // 0-based indexes into that table, lesson order
    int passMark = 0;
};

} // namespace coursegen
