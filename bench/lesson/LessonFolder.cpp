#include "bench/lesson/LessonFolder.h"

#include "course/pictures/Pictures.h"
#include "course/schema/Create.h"
#include "course/schema/LetterRow.h"
#include "course/schema/Writer.h"
#include "course/sounds/Sounds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <future>
#include <stdexcept>
#include <vector>

namespace {

struct Consonant
{
    QString letter;
    QString name;
    QString say;
    QString word[2];
    QString emoji[2];
};

// Rows of a course table without its comments; the first row names the columns.
QList<QStringList> tableRows(const QString &file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + file.toStdString());
    QList<QStringList> rows;
    QTextStream text(&input);
    while (!text.atEnd()) {
        const QString line = text.readLine();
        if (!line.startsWith(u'#') && !line.trimmed().isEmpty())
            rows.append(line.split(u'\t'));
    }
    return rows;
}

QHash<QString, Consonant> consonants()
{
    QHash<QString, Consonant> byKey;
    const QList<QStringList> rows =
        tableRows(QStringLiteral(OSTRANA_TABLES) + QStringLiteral("/consonants.tsv"));
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList &r = rows[i];
        byKey.insert(r[0], Consonant{r[1], r[2], r[3], {r[4], r[6]}, {r[5], r[7]}});
    }
    return byKey;
}

QStringList levelItems(int level)
{
    const QList<QStringList> rows =
        tableRows(QStringLiteral(OSTRANA_TABLES) + QStringLiteral("/levels.tsv"));
    for (const QStringList &r : rows)
        if (r[0] == QString::number(level))
            return r[2].split(u' ');
    throw std::runtime_error("no level " + std::to_string(level));
}

QString local(const QString &folder, const QString &stored)
{
    const QString path = folder + QString(stored).replace(u'\\', u'/');
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void speakTo(const QString &text, const QString &path)
{
    sounds::writeMp3(sounds::speak(text), path);
}

// One consonant's media, under \letters\consonants\NN.
schema::LetterRow makeLetter(const QString &folder, int index, const Consonant &c)
{
    const QString stem = QStringLiteral("\\letters\\consonants\\%1").arg(index, 2, 10, QChar(u'0'));
    const auto at = [&folder](const QString &stored) { return local(folder, stored); };
    schema::LetterRow row;
    row.LetterPicture = stem + ".png";
    pictures::writeLetterPicture(c.letter, at(stem + ".png"), {120, 150});
    row.LetterAnimation = stem + ".gif";
    pictures::writeStrokeAnimation(c.letter, at(stem + ".gif"), {121, 161});
    row.LetterSound = stem + ".mp3";
    speakTo(c.say, at(stem + ".mp3"));
    row.LetterPronounciation = c.name;
    db::Variant *animation[] = {&row.PictureAAnimation, &row.PictureBAnimation};
    db::Variant *sound[] = {&row.PictureASound, &row.PictureBSound};
    db::Variant *word[] = {&row.PictureAWord, &row.PictureBWord};
    for (int e = 0; e < 2; ++e) {
        const QString example = stem + (e == 0 ? "-a" : "-b");
        *animation[e] = example + ".gif";
        pictures::writeExampleAnimation(c.emoji[e], 1, at(example + ".gif"), {129, 169});
        *sound[e] = example + ".mp3";
        speakTo(c.word[e], at(example + ".mp3"));
        *word[e] = example + "-word.gif";
        pictures::writeWordStrip(c.word[e], at(example + "-word.gif"), {129, 49});
    }
    row.PictureATop = 360;
    row.PictureALeft = 480;
    row.PictureAHeight = 2535;
    row.PictureAWidth = 1935;
    row.PictureBTop = 360;
    row.PictureBLeft = 5180;
    row.PictureBHeight = 2535;
    row.PictureBWidth = 1935;
    db::Variant *tracing[] = {&row.PictureLetter1, &row.PictureLetter2, &row.PictureLetter3,
                              &row.PictureLetter4, &row.PictureLetter5, &row.PictureLetter6};
    for (int v = 0; v < 6; ++v) {
        const QString trace = stem + QStringLiteral("-trace%1.png").arg(v + 1);
        *tracing[v] = trace;
        pictures::writeTracingPicture(c.letter, v + 1, at(trace), {112, 112});
    }
    return row;
}

void buildStandIn(const QString &folder)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + "/levels");
    schema::createUsersDatabase(folder + "/Kelvo.kdt");
    for (int level = 1; level <= 25; ++level)
        schema::createLevelDatabase(folder + QStringLiteral("/levels/level%1.kdt").arg(level));

    pictures::writeLogo(local(folder, "\\Animation\\logo.gif"));
    pictures::writeClickHint(local(folder, "\\Animation\\click.gif"), {55, 39});
    pictures::writeClickHint(local(folder, "\\Animation\\click2.gif"), {29, 25},
                             QColor(0xFF, 0xE0, 0xC0));
    pictures::writeLoading(local(folder, "\\Animation\\loading.gif"));
    pictures::writeInstruction(
        QStringLiteral("Click the letter to watch and hear it, then trace it in the boxes"),
        local(folder, "\\Animation\\instruction2.gif"), {321, 17});
    for (int i = 1; i <= 3; ++i)
        pictures::writeInfoPicture(i,
                                   local(folder, QStringLiteral("\\pictures\\info%1.png").arg(i)));

    // Every consonant of level 8 once, in parallel; level 1 uses the first eight.
    const QHash<QString, Consonant> table = consonants();
    const QStringList all = levelItems(8);
    std::vector<std::future<schema::LetterRow>> made;
    for (int i = 0; i < all.size(); ++i)
        made.push_back(std::async(std::launch::async, [&folder, &table, &all, i] {
            return makeLetter(folder, i + 1, table.value(all[i]));
        }));
    QHash<QString, schema::LetterRow> rows;
    for (int i = 0; i < all.size(); ++i)
        rows.insert(all[i], made[size_t(i)].get());

    for (const int level : {1, 8}) {
        schema::Writer writer(folder + QStringLiteral("/levels/level%1.kdt").arg(level));
        writer.begin();
        int id = 0;
        for (const QString &key : levelItems(level)) {
            schema::LetterRow row = rows.value(key);
            row.ID = ++id;
            writer.addLetter(row);
        }
        writer.commit();
    }
    QFile stamp(folder + "/standin.stamp");
    if (!stamp.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot finish the stand-in folder");
}

} // namespace

LessonFolder lessonFolder()
{
#ifdef OSTRANA_PROGRAM_FOLDER
    return {QStringLiteral(OSTRANA_PROGRAM_FOLDER), true};
#else
    const QString folder = QStringLiteral(OSTRANA_STANDIN_FOLDER);
    if (!QFileInfo::exists(folder + "/standin.stamp"))
        buildStandIn(folder);
    return {folder, false};
#endif
}

void makeUsersDatabase(const QString &path, const QString &userName, int level)
{
    QFile::remove(path);
    schema::createUsersDatabase(path);
    schema::Writer(path).addUser(userName, QStringLiteral("-"), level);
}
