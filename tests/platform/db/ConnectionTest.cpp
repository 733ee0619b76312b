#include "DbTestSupport.h"
#include "platform/db/ConnectionString.h"

#include <QDir>
#include <QFile>

namespace {

using dbtest::DbTest;
using dbtest::errorOf;

TEST(ConnectionString, FindsDataSourceWithoutRegardToCase)
{
    EXPECT_EQ(db::dataSource(QStringLiteral(
                  "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Ostrana\\Kelvo.kdt;")),
              QStringLiteral("C:\\Ostrana\\Kelvo.kdt"));
    EXPECT_EQ(db::dataSource(QStringLiteral("provider=x; DATA SOURCE = /tmp/a b.kdt ;")),
              QStringLiteral("/tmp/a b.kdt"));
    EXPECT_EQ(db::dataSource(QStringLiteral("Data Source=/tmp/x.kdt")),
              QStringLiteral("/tmp/x.kdt"));
    EXPECT_EQ(db::dataSource(QStringLiteral("stray;data source=/tmp/x.kdt;")),
              QStringLiteral("/tmp/x.kdt"));
}

TEST(ConnectionString, AQuotedValueMayHoldSemicolons)
{
    EXPECT_EQ(db::dataSource(QStringLiteral("Provider=p;Data Source=\"/tmp/a;b/x.kdt\";Mode=1")),
              QStringLiteral("/tmp/a;b/x.kdt"));
}

TEST(ConnectionString, NoDataSourceGivesNothing)
{
    EXPECT_TRUE(db::dataSource(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;")).isEmpty());
    EXPECT_TRUE(db::dataSource(QString()).isEmpty());
}

using Connection = DbTest;

TEST_F(Connection, AMissingFileIsAnErrorAndCreatesNothing)
{
    const QString missing = folder.filePath(QStringLiteral("Missing.kdt"));
    db::Connection connection;
    EXPECT_EQ(errorOf([&] { dbtest::openAsTheCourseDoes(connection, missing); }), 53);
    EXPECT_FALSE(connection.isOpen());
    EXPECT_FALSE(QFile::exists(missing));
    const QStringList left = QDir(folder.path()).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{QStringLiteral("Kelvo.kdt")});
}

TEST_F(Connection, ABackslashPathInAnotherLetterCaseFindsTheFile)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Data")));
    schema::createUsersDatabase(folder.filePath(QStringLiteral("Data/Users.kdt")));
    schema::Writer(folder.filePath(QStringLiteral("Data/Users.kdt")))
        .addUser(QStringLiteral("asha"), QStringLiteral("pw"), 4);

    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, folder.path() + QStringLiteral("\\DATA\\users.KDT"));
    ASSERT_TRUE(connection.isOpen());
    db::Recordset users;
    users.Open(QStringLiteral("select * from UserDetails Order by UserName"), connection);
    ASSERT_EQ(users.RecordCount(), 1);
    EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), QStringLiteral("asha"));
}

TEST_F(Connection, AFileThatIsNoDatabaseIsRefusedAtOpen)
{
    const QString path = folder.filePath(QStringLiteral("notes.kdt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    db::Connection connection;
    EXPECT_EQ(errorOf([&] { dbtest::openAsTheCourseDoes(connection, path); }),
              platform::err::DatabaseError);
    EXPECT_FALSE(connection.isOpen());
}

TEST_F(Connection, ConnectionStringWithoutDataSourceIsRefused)
{
    db::Connection connection;
    EXPECT_EQ(
        errorOf([&] { connection.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;")); }),
        platform::err::DatabaseError);
}

TEST_F(Connection, OpenTwiceOrCloseTwiceIsAnError)
{
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    EXPECT_EQ(errorOf([&] { dbtest::openAsTheCourseDoes(connection, usersPath()); }), 3705);
    connection.Close();
    EXPECT_FALSE(connection.isOpen());
    EXPECT_EQ(errorOf([&] { connection.Close(); }), 3704);
    dbtest::openAsTheCourseDoes(connection, usersPath()); // a closed connection opens again
    EXPECT_TRUE(connection.isOpen());
}

TEST_F(Connection, ARecordsetNeedsAnOpenConnection)
{
    db::Connection connection;
    db::Recordset users;
    EXPECT_EQ(errorOf([&] { users.Open(QStringLiteral("select * from UserDetails"), connection); }),
              3709);
    EXPECT_FALSE(users.isOpen());
}

TEST_F(Connection, ClosingTheConnectionLeavesTheRowsButRefusesWrites)
{
    schema::Writer(usersPath()).addUser(QStringLiteral("asha"), QStringLiteral("pw"), 4);
    db::Connection connection;
    dbtest::openAsTheCourseDoes(connection, usersPath());
    db::Recordset users;
    users.Open(QStringLiteral("select * from UserDetails Order by UserName"), connection);
    connection.Close();

    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 4);
    users.setField(QStringLiteral("LevelAt"), 5);
    EXPECT_EQ(errorOf([&] { users.Update(); }), 3709);
}

} // namespace
