#include "bench/lesson/LessonFolder.h"

#include "course/schema/Create.h"
#include "course/schema/Writer.h"

#include <QFile>

QString lessonFolder()
{
    return QStringLiteral(OSTRANA_PROGRAM_FOLDER);
}

void makeUsersDatabase(const QString &path, const QString &userName, int level)
{
    QFile::remove(path);
    schema::createUsersDatabase(path);
    schema::Writer(path).addUser(userName, QStringLiteral("-"), level);
}
