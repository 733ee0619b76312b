#include "course/coursegen/FolderBuilder.h"

#include "course/coursegen/CourseDatabases.h"
#include "course/coursegen/CoursePlan.h"
#include "course/coursegen/Manifest.h"
#include "course/schema/Create.h"
#include "course/schema/Writer.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

using coursegen::BuildSummary;
using coursegen::CoursePlan;
using coursegen::FolderBuilder;
using coursegen::LevelContent;
using coursegen::MediaJob;
using coursegen::MediaKind;

namespace {

// Stands in for the drawing and sound libraries: writes the job's
// parameters, aside and renamed as they do, and counts its calls.
struct RecordingMaker
{
    std::atomic<int> calls{0};
    QMutex mutex;
    QSet<QThread *> threads;
    QString failOn; // a stored path whose making throws

    coursegen::MediaMaker maker()
    {
        return [this](const MediaJob &job, const QString &file) {
            ++calls;
            {
                const QMutexLocker locker(&mutex);
                threads.insert(QThread::currentThread());
            }
            if (job.storedPath == failOn)
                throw std::runtime_error("the voice is hoarse");
            QFile part(file + QStringLiteral(".part"));
            if (!part.open(QIODevice::WriteOnly))
                throw std::runtime_error("cannot write");
            part.write(job.inputHash() + ' ' + job.text.toUtf8());
            part.close();
            QFile::remove(file);
            if (!part.rename(file))
                throw std::runtime_error("cannot rename");
        };
    }
};

CoursePlan smallPlan()
{
    CoursePlan plan;
    plan.media.append(
        {MediaKind::Speech, QStringLiteral("\\letters\\01.mp3"), QStringLiteral("ક")});
    plan.media.append({MediaKind::LetterPicture, QStringLiteral("\\letters\\01.png"),
                       QStringLiteral("ક"), 0, QSize(120, 150)});
    plan.media.append({MediaKind::Logo, QStringLiteral("\\Animation\\logo.gif")});
    for (int level = 1; level <= 3; ++level) {
        LevelContent content;
        content.level = level;
        content.passMark = 7 + level;
        if (level == 1) {
            schema::LetterRow row;
            row.ID = 1;
            row.LetterPicture = QStringLiteral("\\letters\\01.png");
            row.LetterSound = QStringLiteral("\\letters\\01.mp3");
            row.LetterPronounciation = QStringLiteral("KA");
            content.letters.append(row);
        }
        plan.levels.append(content);
    }
    return plan;
}

QString file(const QTemporaryDir &dir, const char *stored)
{
    return coursegen::localFile(dir.path(), QString::fromLatin1(stored));
}

QDateTime modified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

class FolderBuilderTest : public ::testing::Test
{
protected:
    BuildSummary build(const CoursePlan &plan)
    {
        FolderBuilder builder(dir.path(), manifest(), recorder.maker());
        return builder.build(plan);
    }

    QString manifest() const { return bookkeeping.filePath(QStringLiteral("folder.manifest")); }

    QTemporaryDir dir;
    QTemporaryDir bookkeeping;
    RecordingMaker recorder;
};

TEST_F(FolderBuilderTest, FirstRunMakesEverythingSecondRunNothing)
{
    const CoursePlan plan = smallPlan();
    BuildSummary first = build(plan);
    ASSERT_TRUE(first.ok()) << first.errors.join(u'\n').toStdString();
    // Three media, three levels and the users database.
    EXPECT_EQ(first.files, 7);
    EXPECT_EQ(first.made, 7);
    EXPECT_EQ(recorder.calls, 3);
    EXPECT_TRUE(QFileInfo::exists(file(dir, "\\levels\\level3.kdt")));
    EXPECT_TRUE(QFileInfo::exists(file(dir, "\\Kelvo.kdt")));
    EXPECT_FALSE(QFileInfo::exists(file(dir, "\\levels\\level3.kdt.part")));

    const QDateTime levelTime = modified(file(dir, "\\levels\\level1.kdt"));
    BuildSummary second = build(plan);
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(second.made, 0);
    EXPECT_EQ(second.upToDate, 7);
    EXPECT_EQ(recorder.calls, 3);
    EXPECT_EQ(modified(file(dir, "\\levels\\level1.kdt")), levelTime);
    EXPECT_TRUE(
        second.line().startsWith(QStringLiteral("coursegen: 7 files, 0 made, 7 up to date, ")))
        << second.line().toStdString();
}

// The folder holds what the program reads; the record of the build lies
// where the builder is told. One that an earlier version left in the folder
// is taken over and leaves it.
TEST_F(FolderBuilderTest, TheManifestLiesOutsideTheFolder)
{
    const CoursePlan plan = smallPlan();
    const QString inFolder = dir.filePath(QStringLiteral(".coursegen-manifest"));
    ASSERT_TRUE(FolderBuilder(dir.path(), inFolder, recorder.maker()).build(plan).ok());
    ASSERT_TRUE(QFileInfo::exists(inFolder));

    const BuildSummary summary = build(plan);
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary.made, 0);
    EXPECT_EQ(recorder.calls, 3);
    EXPECT_FALSE(QFileInfo::exists(inFolder));
    EXPECT_TRUE(QFileInfo::exists(manifest()));
    EXPECT_EQ(build(plan).made, 0);
}

TEST_F(FolderBuilderTest, OnlyChangedOrMissingOutputsAreMadeAgain)
{
    CoursePlan plan = smallPlan();
    ASSERT_TRUE(build(plan).ok());

    plan.media[0].text = QStringLiteral("ખ");
    ASSERT_TRUE(QFile::remove(file(dir, "\\Animation\\logo.gif")));
    const BuildSummary summary = build(plan);
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary.made, 2);
    EXPECT_EQ(recorder.calls, 5);
    QFile sound(file(dir, "\\letters\\01.mp3"));
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sound.readAll().endsWith(QStringLiteral("ખ").toUtf8()));
    EXPECT_TRUE(QFileInfo::exists(file(dir, "\\Animation\\logo.gif")));
}

TEST_F(FolderBuilderTest, NewSoundLibraryRemakesTheRecordingsOnly)
{
    const CoursePlan plan = smallPlan();
    const auto buildWith = [&](const QByteArray &sounds) {
        FolderBuilder builder(dir.path(), manifest(), recorder.maker());
        builder.setGeneratorFingerprint(coursegen::MediaFamily::Sounds, sounds);
        builder.setGeneratorFingerprint(coursegen::MediaFamily::Pictures, "p1");
        return builder.build(plan);
    };
    ASSERT_TRUE(buildWith("s1").ok());
    EXPECT_EQ(buildWith("s1").made, 0);
    recorder.calls = 0;
    const BuildSummary summary = buildWith("s2");
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary.made, 1);
    EXPECT_EQ(recorder.calls, 1);
}

TEST_F(FolderBuilderTest, FileChangedBehindItsBackIsMadeAgain)
{
    const CoursePlan plan = smallPlan();
    ASSERT_TRUE(build(plan).ok());
    QFile picture(file(dir, "\\letters\\01.png"));
    ASSERT_TRUE(picture.open(QIODevice::Append));
    picture.write("scribbled over");
    picture.close();

    EXPECT_EQ(build(plan).made, 1);
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_FALSE(picture.readAll().contains("scribbled"));
}

TEST_F(FolderBuilderTest, LevelDatabaseIsRebuiltOnlyWhenItsContentChanges)
{
    CoursePlan plan = smallPlan();
    ASSERT_TRUE(build(plan).ok());
    const QDateTime level2 = modified(file(dir, "\\levels\\level2.kdt"));

    plan.levels[0].passMark = 1;
    plan.levels[0].letters[0].LetterPronounciation = QStringLiteral("KHA");
    const BuildSummary summary = build(plan);
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary.made, 1);
    EXPECT_EQ(modified(file(dir, "\\levels\\level2.kdt")), level2);

    db::Connection connection;
    connection.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                    file(dir, "\\levels\\level1.kdt") + u';');
    db::Recordset letters;
    letters.Open(QStringLiteral("select * from Letters Order by ID"), connection);
    ASSERT_EQ(letters.RecordCount(), 1);
    letters.MoveFirst();
    EXPECT_EQ(letters.Field(QStringLiteral("LetterPronounciation")).toString().toStdString(),
              "KHA");
    EXPECT_EQ(letters.Field(QStringLiteral("LetterPicture")).toString().toStdString(),
              "\\letters\\01.png");
    db::Recordset exam;
    exam.Open(QStringLiteral("select * from Exam Order by ID"), connection);
    ASSERT_EQ(exam.RecordCount(), 1);
    exam.MoveFirst();
    EXPECT_EQ(exam.Field(QStringLiteral("ID")).toInteger(), 1);
    EXPECT_EQ(exam.Field(QStringLiteral("PassMark")).toInteger(), 1);
}

TEST_F(FolderBuilderTest, OutputsNoLongerPlannedAreRemovedButNothingElse)
{
    CoursePlan plan = smallPlan();
    ASSERT_TRUE(build(plan).ok());
    // The program's own files share the folder.
    QFile program(file(dir, "\\ostrana"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();

    plan.media.removeFirst();
    plan.media.removeFirst();
    plan.levels.removeLast();
    const BuildSummary summary = build(plan);
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary.removed, 3);
    EXPECT_FALSE(QFileInfo::exists(file(dir, "\\letters\\01.mp3")));
    EXPECT_FALSE(QFileInfo::exists(file(dir, "\\letters")));
    EXPECT_FALSE(QFileInfo::exists(file(dir, "\\levels\\level3.kdt")));
    EXPECT_TRUE(QFileInfo::exists(file(dir, "\\levels\\level2.kdt")));
    EXPECT_TRUE(QFileInfo::exists(file(dir, "\\ostrana")));
    EXPECT_TRUE(QFileInfo::exists(file(dir, "\\Kelvo.kdt")));
    EXPECT_EQ(build(plan).removed, 0);
}

TEST_F(FolderBuilderTest, LearnersInTheUsersDatabaseAreKept)
{
    const QString users = file(dir, "\\Kelvo.kdt");
    schema::createUsersDatabase(users);
    {
        schema::Writer writer(users);
        writer.addUser(QStringLiteral("Asha"), QStringLiteral("secret"), 7);
    }
    const BuildSummary summary = build(smallPlan());
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary.made, 6);

    db::Connection connection;
    connection.Open(QStringLiteral("Data Source=") + users + u';');
    db::Recordset rows;
    rows.Open(QStringLiteral("select * from UserDetails Order by UserName"), connection);
    ASSERT_EQ(rows.RecordCount(), 1);
    rows.MoveFirst();
    EXPECT_EQ(rows.Field(QStringLiteral("LevelAt")).toInteger(), 7);
}

TEST_F(FolderBuilderTest, UsersDatabaseSpeltInAnotherCaseIsTheOneKept)
{
    const QString users = dir.filePath(QStringLiteral("KELVO.KDT"));
    schema::createUsersDatabase(users);
    ASSERT_TRUE(build(smallPlan()).ok());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Kelvo.kdt"))));
    EXPECT_TRUE(QFileInfo::exists(users));
}

TEST_F(FolderBuilderTest, UsersFileOfAnotherKindIsReportedAndLeftAlone)
{
    const QString users = file(dir, "\\Kelvo.kdt");
    QFile stranger(users);
    ASSERT_TRUE(stranger.open(QIODevice::WriteOnly));
    stranger.write("not a database");
    stranger.close();

    const BuildSummary summary = build(smallPlan());
    ASSERT_EQ(summary.errors.size(), 1);
    EXPECT_TRUE(summary.errors.first().contains(QStringLiteral("left as it is")));
    ASSERT_TRUE(stranger.open(QIODevice::ReadOnly));
    EXPECT_EQ(stranger.readAll(), QByteArray("not a database"));
    EXPECT_FALSE(coursegen::databases::hasUsersTable(users));
}

TEST_F(FolderBuilderTest, FailedMediumLeavesNoLevelDatabasesAndIsRetried)
{
    const CoursePlan plan = smallPlan();
    recorder.failOn = QStringLiteral("\\Animation\\logo.gif");
    const BuildSummary failed = build(plan);
    ASSERT_EQ(failed.errors.size(), 1);
    EXPECT_EQ(failed.errors.first().toStdString(), "\\Animation\\logo.gif: the voice is hoarse");
    EXPECT_FALSE(QFileInfo::exists(file(dir, "\\levels\\level1.kdt")));
    EXPECT_FALSE(QFileInfo::exists(file(dir, "\\Kelvo.kdt")));

    // What was made is kept; the rest follows once the medium can be made.
    recorder.failOn.clear();
    const BuildSummary retried = build(plan);
    ASSERT_TRUE(retried.ok());
    EXPECT_EQ(retried.made, 5);
    EXPECT_EQ(retried.upToDate, 2);
    EXPECT_TRUE(QFileInfo::exists(file(dir, "\\levels\\level1.kdt")));
}

TEST_F(FolderBuilderTest, MediaAreMadeOnSeveralThreads)
{
    CoursePlan plan;
    for (int i = 0; i < 64; ++i)
        plan.media.append(
            {MediaKind::Speech, QStringLiteral("\\s\\%1.mp3").arg(i), QString::number(i)});
    FolderBuilder builder(dir.path(), manifest(), [this](const MediaJob &job, const QString &path) {
        QThread::msleep(5);
        recorder.maker()(job, path);
    });
    builder.setThreadCount(4);
    ASSERT_TRUE(builder.build(plan).ok());
    EXPECT_EQ(recorder.calls, 64);
    EXPECT_GT(recorder.threads.size(), 1);
}

TEST_F(FolderBuilderTest, SameContentGivesByteIdenticalLevelDatabases)
{
    QTemporaryDir other;
    const CoursePlan plan = smallPlan();
    ASSERT_TRUE(build(plan).ok());
    ASSERT_TRUE(FolderBuilder(other.path(), bookkeeping.filePath(QStringLiteral("other.manifest")),
                              recorder.maker())
                    .build(plan)
                    .ok());
    for (const char *level : {"\\levels\\level1.kdt", "\\levels\\level2.kdt"}) {
        QFile a(file(dir, level));
        QFile b(file(other, level));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << level;
    }
}

} // namespace
