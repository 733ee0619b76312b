#pragma once

#include <QString>

// The program folder the content tool builds: the lesson benchmark and the
// lesson screenshots run on the real media.
QString lessonFolder();

// A users database outside the program folder with one learner at level.
void makeUsersDatabase(const QString &path, const QString &userName, int level);
