#include "DbTestSupport.h"
#include "course/schema/Tables.h"
#include "platform/db/Database.h"
#include "platform/db/Statement.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

using dbtest::DbTest;
using dbtest::errorOf;

QStringList columnsOf(const QString &path, const QString &table)
{
    auto database = db::Database::openExisting(path);
    db::Statement info(*database, QStringLiteral("PRAGMA table_info(%1)").arg(table));
    QStringList names;
    while (info.step())
        names << info.value(1).toString();
    return names;
}

using Schema = DbTest;

TEST_F(Schema, LevelDatabaseHasEveryTableWithTheColumnsTheCourseReads)
{
    const QStringList letters{"ID",
                              "LetterPicture",
                              "LetterAnimation",
                              "LetterSound",
                              "LetterPronounciation",
                              "PictureAAnimation",
                              "PictureATop",
                              "PictureALeft",
                              "PictureAHeight",
                              "PictureAWidth",
                              "PictureASound",
                              "PictureAWord",
                              "PictureBAnimation",
                              "PictureBTop",
                              "PictureBLeft",
                              "PictureBHeight",
                              "PictureBWidth",
                              "PictureBSound",
                              "PictureBWord",
                              "PictureLetter1",
                              "PictureLetter2",
                              "PictureLetter3",
                              "PictureLetter4",
                              "PictureLetter5",
                              "PictureLetter6"};
    EXPECT_EQ(columnsOf(levelPath(), "Letters"), letters);
    EXPECT_EQ(columnsOf(levelPath(), "KeyboardCharSet"),
              (QStringList{"KeyboardID", "KeyboardCode", "KeyboardCharacter", "LetterPicture",
                           "LetterSound"}));
    EXPECT_EQ(columnsOf(levelPath(), "Words"), (QStringList{"WordID", "WordSoundFile"}));
    EXPECT_EQ(columnsOf(levelPath(), "WordLetter"), (QStringList{"WordID", "KeyboardId", "Id"}));
    EXPECT_EQ(columnsOf(levelPath(), "Exam"), (QStringList{"ID", "PassMark"}));
    EXPECT_EQ(columnsOf(levelPath(), "Configuration"), QStringList{"MaxLetter"});
    EXPECT_EQ(columnsOf(usersPath(), "UserDetails"),
              (QStringList{"UserName", "Password", "LevelAt", "LastUpdated"}));
}

TEST_F(Schema, LevelTablesTakeTheRowsTheReadersExpect)
{
    {
        schema::Writer writer(levelPath());
        writer.addKeyboardChar(1, "k", "ક", "\\keys\\k.gif", "\\keys\\k.mp3");
        writer.addWord(1, "\\words\\1.mp3");
        writer.addWord(1, "\\words\\dup.mp3"); // the readers must cope with duplicates
        writer.addExam(2, 8);
        writer.addExam(1, 7);
        writer.addConfiguration(33);
    }
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, levelPath());
    db::Recordset exam;
    exam.Open(QStringLiteral("select * from Exam Order by ID"), connection);
    exam.MoveFirst();
    EXPECT_EQ(exam.Field("PassMark").toInteger(), 7);
    db::Recordset words;
    words.Open(QStringLiteral("select WordSoundFile from Words WHERE WordID=1"), connection);
    EXPECT_EQ(words.RecordCount(), 2);
    db::Recordset keys;
    keys.Open(QStringLiteral("select * from KeyboardCharSet Order by KeyboardID"), connection);
    EXPECT_EQ(keys.Field("KeyboardCharacter").toString(), QStringLiteral("ક"));
    EXPECT_EQ(keys.Field("KeyboardID").toInteger(), 1);
    db::Recordset configuration;
    configuration.Open(QStringLiteral("select * from Configuration"), connection);
    EXPECT_EQ(configuration.Field("MaxLetter").toInteger(), 33);
}

TEST_F(Schema, DatesAreStoredAsIsoText)
{
    schema::Writer(usersPath())
        .addUser("asha", "pw", 1, QDateTime(QDate(2024, 5, 1), QTime(13, 45, 7)));
    auto database = db::Database::openExisting(usersPath());
    db::Statement raw(*database,
                      QStringLiteral("select LastUpdated, typeof(LastUpdated) from UserDetails"));
    ASSERT_TRUE(raw.step());
    EXPECT_EQ(raw.value(0), db::Variant("2024-05-01T13:45:07"));
    EXPECT_EQ(raw.value(1), db::Variant("text"));
}

TEST_F(Schema, AnExistingFileIsNeverReplaced)
{
    schema::Writer(usersPath()).addUser("asha", "pw", 5);
    EXPECT_EQ(errorOf([&] { schema::createUsersDatabase(usersPath()); }),
              platform::err::DatabaseError);
    EXPECT_EQ(errorOf([&] { schema::createLevelDatabase(usersPath()); }),
              platform::err::DatabaseError);
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(QStringLiteral("select * from UserDetails"), connection);
    EXPECT_EQ(users.RecordCount(), 1);
}

TEST_F(Schema, AFailedCreationLeavesNothingBehind)
{
    QFile blocker(folder.filePath("plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath("plain-file/levels/level2.kdt");
    try {
        schema::createLevelDatabase(path);
        FAIL() << "created a database below a file";
    } catch (const platform::RuntimeError &error) {
        EXPECT_TRUE(error.description().contains(path)) << error.description().toStdString();
    }
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, (QStringList{"Kelvo.kdt", "plain-file"}));
}

TEST_F(Schema, WritesNameTheirTableAndColumns)
{
    schema::Writer writer(levelPath());
    EXPECT_EQ(errorOf([&] { writer.insert("Letter", {{"ID", 1}}); }), platform::err::DatabaseError);
    EXPECT_EQ(errorOf([&] {
                  writer.insert("Letters", {{"LetterPronunciation", "ka"}});
              }),
              platform::err::DatabaseError);
    EXPECT_EQ(errorOf([&] { writer.insert("Exam", {{"PassMark", "seven"}}); }), 13);
    EXPECT_EQ(errorOf([&] { schema::Writer(folder.filePath("none.kdt")); }),
              platform::err::DatabaseError);
    EXPECT_FALSE(QFile::exists(folder.filePath("none.kdt")));
}

TEST_F(Schema, AnUnfinishedBatchIsRolledBack)
{
    {
        schema::Writer writer(usersPath());
        writer.begin();
        writer.addUser("asha", "pw", 1);
    }
    {
        schema::Writer writer(usersPath());
        writer.begin();
        writer.addUser("bina", "pw", 1);
        writer.commit();
    }
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(QStringLiteral("select * from UserDetails"), connection);
    ASSERT_EQ(users.RecordCount(), 1);
    EXPECT_EQ(users.Field("UserName").toString(), QStringLiteral("bina"));
}

} // namespace
