#pragma once

#include "course/coursegen/MediaJob.h"

#include <QString>

namespace coursegen {

// Makes one medium with the course's drawing and sound libraries.
void makeCourseMedium(const MediaJob &job, const QString &file);

} // namespace coursegen
