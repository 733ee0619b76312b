#pragma once

#include "course/coursegen/MediaJob.h"

#include <QString>

// The files of one kind as the course tool plans and draws them from the
// course tables, written into a test's program folder; so a window test
// meets them as the learner does without the whole program folder.
void writePlannedMedia(const QString &folder, coursegen::MediaKind kind);
