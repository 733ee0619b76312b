#include "DbTestSupport.h"
#include "course/schema/LetterRow.h"
#include "platform/core/Paths.h"
#include "platform/db/Database.h"
#include "platform/db/DuplicateValue.h"

#include <QFile>

namespace {

using dbtest::DbTest;
using dbtest::errorOf;

const QString UsersQuery = QStringLiteral("select * from UserDetails Order by UserName");

class Recordset : public DbTest
{
protected:
    void addUsers(const QStringList &names)
    {
        schema::Writer writer(usersPath());
        int level = 1;
        for (const QString &name : names)
            writer.addUser(name, QStringLiteral("pw-") + name, level++, stamp);
    }

    // Every user name of a fresh read of the file, in the course's order.
    QStringList namesInFile()
    {
        db::Connection connection;
        dbtest::openAsTheCourseDoes(connection, usersPath());
        db::Recordset users;
        users.Open(UsersQuery, connection);
        QStringList names;
        if (users.RecordCount() > 0) {
            for (users.MoveFirst(); !users.Eof(); users.MoveNext())
                names << users.Field(QStringLiteral("UserName")).toString();
        }
        users.Close();
        connection.Close();
        return names;
    }

    const QDateTime stamp{QDate(2023, 1, 2), QTime(3, 4, 5)};
};

TEST_F(Recordset, IsASnapshotWithAnExactRowCount)
{
    addUsers({QStringLiteral("asha"), QStringLiteral("bina"), QStringLiteral("chetan")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    EXPECT_EQ(users.RecordCount(), 3);

    // Another writer, through its own connection, adds and changes rows.
    schema::Writer(usersPath()).addUser(QStringLiteral("dev"), QStringLiteral("x"), 9);
    {
        db::Connection other;
        dbtest::openAsTheCourseDoes(other, usersPath());
        db::Recordset theirs;
        theirs.Open(UsersQuery, other);
        theirs.setField(QStringLiteral("LevelAt"), 20);
        theirs.Update();
    }

    EXPECT_EQ(users.RecordCount(), 3);
    users.MoveFirst();
    EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), QStringLiteral("asha"));
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 1);
    int seen = 0;
    for (users.MoveFirst(); !users.Eof(); users.MoveNext())
        ++seen;
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(namesInFile().size(), 4);
}

TEST_F(Recordset, MoveFirstOnAnEmptyResultIsNoCurrentRecord)
{
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    EXPECT_EQ(users.RecordCount(), 0);
    EXPECT_TRUE(users.Eof());
    EXPECT_EQ(errorOf([&] { users.MoveFirst(); }), 3021);
    EXPECT_EQ(errorOf([&] { users.Field(QStringLiteral("UserName")); }), 3021);
    EXPECT_EQ(errorOf([&] { users.MoveNext(); }), 3021);
}

TEST_F(Recordset, EndComesAfterTheLastRowAndMovingOnIsAnError)
{
    addUsers({QStringLiteral("asha"), QStringLiteral("bina")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    EXPECT_FALSE(users.Eof());
    users.MoveNext();
    EXPECT_FALSE(users.Eof());
    EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), QStringLiteral("bina"));
    users.MoveNext();
    EXPECT_TRUE(users.Eof());
    EXPECT_EQ(errorOf([&] { users.Field(QStringLiteral("UserName")); }), 3021);
    EXPECT_EQ(errorOf([&] { users.MoveNext(); }), 3021);
}

TEST_F(Recordset, UsersAreSortedWithoutRegardToCase)
{
    addUsers({QStringLiteral("bob"), QStringLiteral("Dave"), QStringLiteral("alice"),
              QStringLiteral("Carol"), QStringLiteral("Bea")});
    EXPECT_EQ(namesInFile(),
              (QStringList{QStringLiteral("alice"), QStringLiteral("Bea"), QStringLiteral("bob"),
                           QStringLiteral("Carol"), QStringLiteral("Dave")}));
}

TEST_F(Recordset, FieldsAreFoundByNameWithoutRegardToCase)
{
    addUsers({QStringLiteral("asha")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    EXPECT_EQ(users.Field(QStringLiteral("username")).toString(), QStringLiteral("asha"));
    EXPECT_EQ(users.Field(QStringLiteral("LEVELAT")).type(), db::Variant::Type::Integer);
    EXPECT_EQ(users.Field(QStringLiteral("LastUpdated")).toDateTime(), stamp);
    EXPECT_EQ(errorOf([&] { users.Field(QStringLiteral("Level")); }), 3265);
    EXPECT_EQ(errorOf([&] { users.setField(QStringLiteral("Level"), 1); }), 3265);
}

TEST_F(Recordset, ANewRowIsAppendedAndStoredAtOnceWithQuotesAndGujarati)
{
    addUsers({QStringLiteral("zed")});
    const QStringList names{QStringLiteral("O'Brien \"x\""), QStringLiteral("ગુજરાતી"),
                            QStringLiteral("x'); DROP TABLE UserDetails; --")};
    const QDateTime when(QDate(2024, 5, 1), QTime(13, 45, 7));
    {
        db::Connection connection;
        dbtest::openAsTheCourseDoes(connection, usersPath());
        db::Recordset users;
        users.Open(UsersQuery, connection);
        for (const QString &name : names) {
            users.AddNew();
            EXPECT_FALSE(users.Eof());
            EXPECT_TRUE(users.Field(QStringLiteral("UserName")).isNull());
            users.setField(QStringLiteral("UserName"), name);
            users.setField(QStringLiteral("Password"), name + QStringLiteral("'pw\""));
            users.setField(QStringLiteral("LevelAt"), 1);
            users.setField(QStringLiteral("LastUpdated"), when);
            users.Update();
            // The new row is the last one, and current.
            EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), name);
            users.MoveNext();
            EXPECT_TRUE(users.Eof());
        }
        EXPECT_EQ(users.RecordCount(), 4);
        // Deliberately left open: the rows are committed already.
        schema::Writer(usersPath()).addUser(QStringLiteral("probe"), QString(), 1);
    }

    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    for (const QString &name : names) {
        db::Recordset user;
        user.Open(QStringLiteral("select * from UserDetails"), connection);
        bool found = false;
        for (user.MoveFirst(); !user.Eof(); user.MoveNext()) {
            if (user.Field(QStringLiteral("UserName")).toString() != name)
                continue;
            found = true;
            EXPECT_EQ(user.Field(QStringLiteral("Password")).toString(),
                      name + QStringLiteral("'pw\""));
            EXPECT_EQ(user.Field(QStringLiteral("LevelAt")).type(), db::Variant::Type::Integer);
            EXPECT_EQ(user.Field(QStringLiteral("LevelAt")).toInteger(), 1);
            EXPECT_EQ(user.Field(QStringLiteral("LastUpdated")).toDateTime(), when);
        }
        EXPECT_TRUE(found) << name.toStdString();
    }
    EXPECT_EQ(namesInFile().size(), 5);
}

TEST_F(Recordset, UpdatingTheCurrentRowPersistsOnlyThatRow)
{
    addUsers({QStringLiteral("asha"), QStringLiteral("Bina"), QStringLiteral("chetan")});
    const QDateTime when(QDate(2024, 6, 30), QTime(23, 59, 58));
    {
        db::Connection connection;
        dbtest::openAsTheCourseDoes(connection, usersPath());
        db::Recordset users;
        users.Open(UsersQuery, connection);
        for (users.MoveFirst(); !users.Eof(); users.MoveNext()) {
            if (users.Field(QStringLiteral("UserName")).toString().toUpper() == u"BINA")
                break;
        }
        ASSERT_FALSE(users.Eof());
        users.setField(QStringLiteral("LevelAt"),
                       users.Field(QStringLiteral("LevelAt")).toInteger() + 1);
        users.setField(QStringLiteral("LastUpdated"), when);
        users.Update();
        EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 3);
        EXPECT_EQ(users.RecordCount(), 3);
    }

    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    users.MoveFirst();
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 1);
    EXPECT_EQ(users.Field(QStringLiteral("LastUpdated")).toDateTime(), stamp);
    users.MoveNext();
    EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), QStringLiteral("Bina"));
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 3);
    EXPECT_EQ(users.Field(QStringLiteral("LastUpdated")).toDateTime(), when);
    users.MoveNext();
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 3);
    EXPECT_EQ(users.Field(QStringLiteral("LastUpdated")).toDateTime(), stamp);
}

TEST_F(Recordset, AChangeNotStoredIsDroppedByAMove)
{
    addUsers({QStringLiteral("asha")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    users.setField(QStringLiteral("LevelAt"), 7);
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 7);
    users.MoveFirst();
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 1);
    users.AddNew();
    users.setField(QStringLiteral("UserName"), QStringLiteral("bina"));
    users.MoveFirst();
    EXPECT_EQ(users.RecordCount(), 1);
    users.Update(); // nothing pending: writes nothing
    EXPECT_EQ(namesInFile(), QStringList{QStringLiteral("asha")});
}

TEST_F(Recordset, ARefusedNewRowRaisesTheEnginesMessageAndIsDropped)
{
    addUsers({QStringLiteral("Asha"), QStringLiteral("bina")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    users.MoveNext();
    users.AddNew();
    users.setField(QStringLiteral("UserName"), QStringLiteral("ASHA"));
    users.setField(QStringLiteral("Password"), QStringLiteral("pw"));
    try {
        users.Update();
        FAIL() << "a second ASHA was stored";
    } catch (const db::DuplicateValue &error) {
        // The clash says which column it was on.
        EXPECT_EQ(error.number(), platform::err::DatabaseError);
        EXPECT_TRUE(error.description().contains(QStringLiteral("UNIQUE")))
            << error.description().toStdString();
        EXPECT_EQ(error.columns(), QStringList{QStringLiteral("UserDetails.UserName")});
    }
    EXPECT_EQ(users.RecordCount(), 2);
    EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), QStringLiteral("bina"));
    users.Update(); // nothing is left pending
    EXPECT_EQ(namesInFile(), (QStringList{QStringLiteral("Asha"), QStringLiteral("bina")}));

    // A row without the one required field is refused too, and the recordset goes on.
    users.AddNew();
    users.setField(QStringLiteral("LevelAt"), 1);
    try {
        users.Update();
        ADD_FAILURE() << "a row without a name was stored";
    } catch (const db::DuplicateValue &) {
        ADD_FAILURE() << "a missing name is no clash";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.number(), platform::err::DatabaseError);
    }
    users.AddNew();
    users.setField(QStringLiteral("UserName"), QStringLiteral("chetan"));
    users.Update();
    EXPECT_EQ(users.RecordCount(), 3);
}

TEST_F(Recordset, ARowDeletedMeanwhileCannotBeUpdated)
{
    addUsers({QStringLiteral("asha")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    {
        auto database = db::Database::openExisting(usersPath());
        database->exec(QStringLiteral("DELETE FROM UserDetails"));
    }
    users.setField(QStringLiteral("LevelAt"), 2);
    EXPECT_EQ(errorOf([&] { users.Update(); }), platform::err::DatabaseError);
    EXPECT_TRUE(namesInFile().isEmpty());
}

TEST_F(Recordset, AssignmentsConvertToTheColumnsType)
{
    addUsers({QStringLiteral("asha")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    EXPECT_EQ(errorOf([&] { users.setField(QStringLiteral("LevelAt"), QStringLiteral("abc")); }),
              13);
    EXPECT_EQ(errorOf([&] { users.setField(QStringLiteral("LevelAt"), 40000); }), 6);
    EXPECT_EQ(
        errorOf([&] { users.setField(QStringLiteral("LastUpdated"), QStringLiteral("soon")); }),
        13);
    users.setField(QStringLiteral("LevelAt"), QStringLiteral(" 12 "));
    users.setField(QStringLiteral("Password"), 1234);
    users.Update();
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")), db::Variant(12));
    EXPECT_EQ(users.Field(QStringLiteral("Password")), db::Variant("1234"));
}

TEST_F(Recordset, QueriesThatAreNotOneTablesRowsCannotBeChanged)
{
    addUsers({QStringLiteral("asha")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset counted;
    counted.Open(QStringLiteral("select count(*) as Users from UserDetails"), connection);
    EXPECT_EQ(counted.Field(QStringLiteral("Users")).toInteger(), 1);
    EXPECT_EQ(errorOf([&] { counted.setField(QStringLiteral("Users"), 2); }), 3251);
    EXPECT_EQ(errorOf([&] { counted.AddNew(); }), 3251);

    db::Recordset grouped;
    grouped.Open(QStringLiteral("select LevelAt from UserDetails group by LevelAt"), connection);
    EXPECT_EQ(errorOf([&] { grouped.setField(QStringLiteral("LevelAt"), 2); }), 3251);

    db::Recordset readOnly;
    readOnly.Open(UsersQuery, connection, {}, db::Recordset::Access::ReadOnly);
    EXPECT_EQ(errorOf([&] { readOnly.setField(QStringLiteral("LevelAt"), 2); }), 3251);
}

// A value is bound, never pasted into the query: a name with a quote is
// just a name, and the row found can still be written back.
TEST_F(Recordset, PlaceholdersTakeTheParametersInOrder)
{
    addUsers({QStringLiteral("asha"), QStringLiteral("Bina"), QStringLiteral("o'neil")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(QStringLiteral("select * from UserDetails WHERE UserName=? OR UserName=?"),
               connection, {QStringLiteral("o'neil"), QStringLiteral("asha' OR 'x'='x")});
    ASSERT_EQ(users.RecordCount(), 1);
    users.MoveFirst();
    EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), QStringLiteral("o'neil"));
    users.setField(QStringLiteral("LevelAt"), 5);
    users.Update();

    db::Recordset again;
    again.Open(QStringLiteral("select LevelAt from UserDetails WHERE LevelAt>=?"), connection, {5});
    EXPECT_EQ(again.RecordCount(), 1);
}

TEST_F(Recordset, ABadQueryRaisesTheEnginesMessage)
{
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset rs;
    try {
        rs.Open(QStringLiteral("select * from Nope"), connection);
        FAIL() << "opened a missing table";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.number(), platform::err::DatabaseError);
        EXPECT_EQ(error.description(), QStringLiteral("no such table: Nope"));
    }
    EXPECT_FALSE(rs.isOpen());
    EXPECT_EQ(errorOf([&] { rs.RecordCount(); }), 3704);
    EXPECT_EQ(errorOf([&] { rs.Close(); }), 3704);
}

TEST_F(Recordset, TextAfterTheFirstStatementIsRefusedNotRun)
{
    addUsers({QStringLiteral("asha")});
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset rs;
    EXPECT_EQ(errorOf([&] {
                  rs.Open(QStringLiteral("select * from UserDetails; delete from UserDetails"),
                          connection);
              }),
              platform::err::DatabaseError);
    EXPECT_EQ(namesInFile(), QStringList{QStringLiteral("asha")});
    rs.Open(QStringLiteral("select * from UserDetails;"), connection);
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(errorOf([&] { rs.Open(UsersQuery, connection); }), 3705);
}

TEST_F(Recordset, LevelValuesReadAsTheCourseReadsThem)
{
    {
        schema::Writer writer(levelPath());
        schema::LetterRow row;
        row.ID = 1;
        row.LetterPicture = QStringLiteral("\\letters\\ka.gif");
        row.PictureATop = 40000;
        writer.addLetter(row);
    }
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, levelPath());
    db::Recordset letters;
    letters.Open(QStringLiteral("select * from Letters Order by ID"), connection);
    ASSERT_EQ(letters.RecordCount(), 1);
    letters.MoveFirst();
    EXPECT_EQ(errorOf([&] { letters.Field(QStringLiteral("LetterPronounciation")).toString(); }),
              94);
    EXPECT_EQ(errorOf([&] { letters.Field(QStringLiteral("PictureALeft")).toInteger(); }), 94);
    EXPECT_EQ(errorOf([&] { letters.Field(QStringLiteral("PictureATop")).toInteger(); }), 6);
    EXPECT_EQ(letters.Field(QStringLiteral("PictureATop")).toLong(), 40000);
    EXPECT_EQ(platform::AppPath() + letters.Field(QStringLiteral("PictureAWord")).concatText(),
              platform::AppPath());
    EXPECT_EQ(letters.Field(QStringLiteral("LetterPicture")).concatText(),
              QStringLiteral("\\letters\\ka.gif"));
}

TEST_F(Recordset, AWordsLettersComeInSpellingOrderWithoutASortClause)
{
    {
        schema::Writer writer(levelPath());
        writer.begin();
        // Written out of order, as a hand-edited table might be.
        writer.addWordLetter(3, 17, 12);
        writer.addWordLetter(4, 1, 10);
        writer.addWordLetter(3, 5, 11);
        writer.addWordLetter(3, 2, 13);
        writer.commit();
    }
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, levelPath());
    db::Recordset letters;
    letters.Open(QStringLiteral("select KeyboardId from WordLetter WHERE WordID=3"), connection);
    QList<qint16> keys;
    for (letters.MoveFirst(); !letters.Eof(); letters.MoveNext())
        keys << letters.Field(QStringLiteral("KeyboardID")).toInteger();
    EXPECT_EQ(keys, (QList<qint16>{5, 17, 2}));
}

} // namespace
