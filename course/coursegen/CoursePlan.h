#pragma once

#include "course/coursegen/LevelContent.h"
#include "course/coursegen/MediaJob.h"

#include <QList>

namespace coursegen {

struct CourseTables;

// Every file of the program folder that the tables decide, before any is
// made: the media (each once, however many levels use it) and the content
// of the 25 level databases, whose rows point at those media.
struct CoursePlan
{
    QList<MediaJob> media;
    QList<LevelContent> levels; // level 1 first

    static CoursePlan make(const CourseTables &tables);
};

} // namespace coursegen
