#include "tests/shell/ShellFixture.h"
#include "tests/support/ProgramEndCatcher.h"

#include <QFile>

using modErrors::gErrMsg;
using namespace modMain;

namespace {

class ShutdownTest : public ShellFixture
{};

TEST_F(ShutdownTest, ClosesTheUsersDatabaseThenEnds)
{
    openUsers();
    ASSERT_TRUE(gConn && gConn->isOpen());
    ASSERT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("a")), -1);

    ProgramEndCatcher end;
    EXPECT_THROW(CloseDatabaseAndEnd(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
    EXPECT_EQ(gRsUsers, nullptr);
    EXPECT_EQ(gConn, nullptr);
    EXPECT_TRUE(gErrMsg.isEmpty());
    // What was stored is in the file for the next start.
    EXPECT_EQ(storedUserCount(), 1);
}

TEST_F(ShutdownTest, EndsEvenWhenTheUsersDatabaseNeverOpened)
{
    gDbPath = folder.path() + QStringLiteral("\\Missing.kdt");
    OpenUserDatabase();
    ProgramEndCatcher end;
    EXPECT_THROW(CloseDatabaseAndEnd(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
    EXPECT_EQ(gConn, nullptr);
    // Closing a connection that never opened is an error of its own.
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Error No=3704\r"))) << gErrMsg.toStdString();
}

TEST_F(ShutdownTest, EndsWithNothingOpen)
{
    ProgramEndCatcher end;
    EXPECT_THROW(CloseDatabaseAndEnd(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
    EXPECT_TRUE(gErrMsg.isEmpty());
}

} // namespace
