#pragma once

#include <QString>

// The program folder that the lesson benchmark and the lesson screenshots run
// on. With the content tool built, its own folder; otherwise a stand-in made
// here with the same drawing and speech libraries and the same sizes: the
// consonant lessons of levels 1 and 8 from the course tables, and the fixed
// media the lesson window shows. The stand-in is made once and kept.
struct LessonFolder
{
    QString path;
    bool real = false;
};

LessonFolder lessonFolder();

// A users database outside the program folder with one learner at level.
void makeUsersDatabase(const QString &path, const QString &userName, int level);
