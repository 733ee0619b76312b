#include "bench/spelling/SpellingFolder.h"

#include "bench/lesson/LessonFolder.h"
#include "course/schema/Create.h"
#include "course/schema/Writer.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace {

void copyFromCourse(const QString &folder, const QString &relative)
{
    const QString to = folder + "/" + relative;
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::remove(to);
    if (!QFile::copy(lessonFolder() + "/" + relative, to))
        throw std::runtime_error("cannot copy " + relative.toStdString());
}

} // namespace

void makeSpellingFolder(const QString &folder, const QString &userName)
{
    QDir().mkpath(folder + "/levels");
    makeUsersDatabase(folder + "/Kelvo.kdt", userName, 10);
    for (int level : {10, 11}) {
        const QString path = folder + QStringLiteral("/levels/level%1.kdt").arg(level);
        QFile::remove(path);
        schema::createLevelDatabase(path);
    }
    copyFromCourse(folder, QStringLiteral("pictures/speaker.png"));

    schema::Writer writer(folder + "/levels/level10.kdt");
    writer.begin();
    for (int key = 1; key <= 34; ++key) {
        const QString picture =
            QStringLiteral("letters/consonants/%1.png").arg(key, 2, 10, QChar('0'));
        copyFromCourse(folder, picture);
        writer.addKeyboardChar(key, QString::number(key), QString::number(key),
                               "\\" + QString(picture).replace('/', '\\'), QString());
    }
    for (int word = 1; word <= 60; ++word) {
        writer.addWord(word, QStringLiteral("\\sounds\\words\\word%1.mp3").arg(word));
        for (int letter = 0; letter < 6; ++letter)
            writer.addWordLetter(word, (word + 5 * letter) % 34 + 1, letter + 1);
    }
    writer.addExam(1, 8);
    writer.commit();
}
