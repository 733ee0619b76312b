#include "platform/core/RuntimeError.h"
#include "platform/db/Database.h"
#include "platform/forms/Screen.h"
#include "resources/StringTable.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/HeldWriteLock.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

#include <chrono>
#include <sodium.h>

using modErrors::gErrMsg;
using namespace modMain;

namespace {

const QString NotSetReport =
    QStringLiteral("Error No=91\rError Description=Object variable or With block variable not set");

class UsersTest : public ShellFixture
{};

TEST_F(UsersTest, EmptyTableRefusesAnyNameWithTheNameAsTyped)
{
    openUsers();
    EXPECT_EQ(UserExists(QStringLiteral("anya Rao")), 101);
    EXPECT_EQ(gErrMsg, QStringLiteral("Username anya Rao does not exist. Please create the user "
                                      "by pressing the New button."));
    gErrMsg.clear();
    EXPECT_EQ(ValidateUser(QStringLiteral("Ravi"), QStringLiteral("pw")), 101);
    EXPECT_EQ(gErrMsg, QStringLiteral("Username Ravi does not exist. Please create the user by "
                                      "pressing the New button."));
}

TEST_F(UsersTest, NewUserIsStoredAtLevelOneNowAndCanLogIn)
{
    openUsers();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    EXPECT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("Secret1")), -1);
    EXPECT_TRUE(gErrMsg.isEmpty());
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    EXPECT_EQ(storedField(QStringLiteral("Anya"), QStringLiteral("LevelAt")).toInteger(), 1);
    const QDateTime stored =
        storedField(QStringLiteral("Anya"), QStringLiteral("LastUpdated")).toDateTime();
    EXPECT_LE(before, stored);
    EXPECT_GE(after, stored);

    // The same recordset sees the new row at once.
    EXPECT_EQ(UserExists(QStringLiteral("Anya")), -1);
    EXPECT_EQ(ValidateUser(QStringLiteral("Anya"), QStringLiteral("Secret1")), -1);
    EXPECT_TRUE(gErrMsg.isEmpty());
}

TEST_F(UsersTest, PasswordsAreStoredAsHashesNeverAsTyped)
{
    openUsers();
    ASSERT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("Secret1")), -1);
    ASSERT_EQ(AddUser(QStringLiteral("Ravi"), QStringLiteral("Secret1")), -1);
    const QString anya = storedField(QStringLiteral("Anya"), QStringLiteral("Password")).toString();
    const QString ravi = storedField(QStringLiteral("Ravi"), QStringLiteral("Password")).toString();
    EXPECT_NE(anya, QStringLiteral("Secret1"));
    EXPECT_FALSE(anya.contains(QStringLiteral("Secret1")));
    EXPECT_TRUE(anya.startsWith(QStringLiteral("$argon2"))) << anya.toStdString();
    // Salted: one password, two different hashes.
    EXPECT_NE(anya, ravi);
}

TEST_F(UsersTest, NameMatchesWithoutRegardToCaseAndPasswordExactly)
{
    openUsers();
    ASSERT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("Secret1")), -1);

    EXPECT_EQ(ValidateUser(QStringLiteral("ANYA"), QStringLiteral("Secret1")), -1);
    EXPECT_EQ(ValidateUser(QStringLiteral("anya"), QStringLiteral("Secret1")), -1);

    EXPECT_EQ(ValidateUser(QStringLiteral("Anya"), QStringLiteral("secret1")), 102);
    EXPECT_EQ(gErrMsg, QStringLiteral("Password is incorrect. Please try again."));
    gErrMsg.clear();
    EXPECT_EQ(ValidateUser(QStringLiteral("Anya"), QStringLiteral("Secret1 ")), 102);
    EXPECT_EQ(ValidateUser(QStringLiteral("Anya"), QString()), 102);
    // The stored hash itself is no password.
    EXPECT_EQ(
        ValidateUser(QStringLiteral("Anya"),
                     storedField(QStringLiteral("Anya"), QStringLiteral("Password")).toString()),
        102);
}

TEST_F(UsersTest, NameTakenInAnotherCaseIsRefusedWithTheNameAsTyped)
{
    openUsers();
    ASSERT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("a")), -1);
    EXPECT_EQ(AddUser(QStringLiteral("aNYA"), QStringLiteral("b")), 104);
    EXPECT_EQ(gErrMsg, QStringLiteral("Username aNYA already exist. Please choose a different "
                                      "username."));
    EXPECT_EQ(storedUserCount(), 1);
    // The first user's password is untouched.
    EXPECT_EQ(ValidateUser(QStringLiteral("anya"), QStringLiteral("a")), -1);
}

TEST_F(UsersTest, UpperCasingGoesBeyondAscii)
{
    openUsers();
    ASSERT_EQ(AddUser(QStringLiteral("Émile"), QStringLiteral("x")), -1);
    EXPECT_EQ(UserExists(QStringLiteral("éMILE")), -1);
    EXPECT_EQ(AddUser(QStringLiteral("ÉMILE"), QStringLiteral("y")), 104);
}

TEST_F(UsersTest, BlankAndSpacesOnlyNamesAreDifferentUsers)
{
    openUsers();
    // Names are neither trimmed nor checked here; the dialogs refuse blanks.
    ASSERT_EQ(AddUser(QStringLiteral("   "), QStringLiteral("three")), -1);
    EXPECT_EQ(UserExists(QString()), 101);
    EXPECT_EQ(UserExists(QStringLiteral(" ")), 101);
    EXPECT_EQ(ValidateUser(QStringLiteral("   "), QStringLiteral("three")), -1);

    ASSERT_EQ(AddUser(QString(), QStringLiteral("none")), -1);
    EXPECT_EQ(ValidateUser(QString(), QStringLiteral("none")), -1);
    EXPECT_EQ(ValidateUser(QString(), QStringLiteral("three")), 102);
    EXPECT_EQ(storedUserCount(), 2);
}

TEST_F(UsersTest, APlainStoredPasswordLogsInOnceAndIsReplacedByItsHash)
{
    {
        schema::Writer writer(folder.usersDatabase());
        writer.addUser(QStringLiteral("Plain"), QStringLiteral("plain"), 3);
        writer.addUser(QStringLiteral("Empty"), QStringLiteral(""), 2);
        writer.addUser(QStringLiteral("Nobody"), db::Variant(), 3);
        // Text shaped like a hash is never a plain password, even typed as stored.
        writer.addUser(QStringLiteral("Shaped"), QStringLiteral("$argon2id$v=19$not-a-hash"), 1);
        writer.addUser(QStringLiteral("Prefix"), QStringLiteral("$argon2"), 1);
    }
    openUsers();
    EXPECT_EQ(ValidateUser(QStringLiteral("Plain"), QStringLiteral("Plain")), 102);
    EXPECT_EQ(ValidateUser(QStringLiteral("Plain"), QStringLiteral("plain ")), 102);
    EXPECT_EQ(storedField(QStringLiteral("Plain"), QStringLiteral("Password")).toString(),
              QStringLiteral("plain"));

    gErrMsg.clear();
    EXPECT_EQ(ValidateUser(QStringLiteral("plain"), QStringLiteral("plain")), -1);
    EXPECT_TRUE(gErrMsg.isEmpty()) << gErrMsg.toStdString();
    const QString stored =
        storedField(QStringLiteral("Plain"), QStringLiteral("Password")).toString();
    EXPECT_TRUE(stored.startsWith(QStringLiteral("$argon2id$"))) << stored.toStdString();
    EXPECT_TRUE(passwords::matches(stored, QStringLiteral("plain")));
    EXPECT_EQ(storedField(QStringLiteral("Plain"), QStringLiteral("LevelAt")).toInteger(), 3);
    // From now on the hash decides, in this run and the next.
    EXPECT_EQ(ValidateUser(QStringLiteral("Plain"), QStringLiteral("plain")), -1);
    EXPECT_EQ(ValidateUser(QStringLiteral("Plain"), stored), 102);
    modMain::resetForTests();
    gDbPath = folder.usersDatabase();
    openUsers();
    EXPECT_EQ(ValidateUser(QStringLiteral("Plain"), QStringLiteral("plain")), -1);

    EXPECT_EQ(ValidateUser(QStringLiteral("Empty"), QStringLiteral("x")), 102);
    EXPECT_EQ(ValidateUser(QStringLiteral("Empty"), QString()), -1);
    EXPECT_TRUE(storedField(QStringLiteral("Empty"), QStringLiteral("Password"))
                    .toString()
                    .startsWith(QStringLiteral("$argon2id$")));
    EXPECT_EQ(ValidateUser(QStringLiteral("Nobody"), QString()), 102);
    EXPECT_EQ(ValidateUser(QStringLiteral("Shaped"), QStringLiteral("$argon2id$v=19$not-a-hash")),
              102);
    EXPECT_EQ(ValidateUser(QStringLiteral("Prefix"), QStringLiteral("$argon2")), 102);
    EXPECT_EQ(gErrMsg, QStringLiteral("Password is incorrect. Please try again."));
}

TEST_F(UsersTest, APlainPasswordWhoseHashCannotBeWrittenStillLogsIn)
{
    usersWriter().addUser(QStringLiteral("Plain"), QStringLiteral("plain"), 3);
    openUsers();
    // Another program removes the row after our snapshot: the hash has
    // nowhere to go, but the learner typed the stored password.
    db::Database::openExisting(folder.usersDatabase())
        ->exec(QStringLiteral("DELETE FROM UserDetails"));
    EXPECT_EQ(ValidateUser(QStringLiteral("Plain"), QStringLiteral("plain")), -1);
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Error No=-2147467259\rError Description=")))
        << gErrMsg.toStdString();
}

TEST_F(UsersTest, EveryRowOfTheNameIsTried)
{
    // Two rows whose names upper-case alike (the table only folds ASCII):
    // a wrong password on the first does not stop the scan.
    {
        schema::Writer writer(folder.usersDatabase());
        writer.addUser(QStringLiteral("émile"), passwords::hash(QStringLiteral("first")), 2);
        writer.addUser(QStringLiteral("Émile"), passwords::hash(QStringLiteral("second")), 4);
    }
    openUsers();
    EXPECT_EQ(ValidateUser(QStringLiteral("EMILE"), QStringLiteral("first")), 101);
    EXPECT_EQ(ValidateUser(QStringLiteral("ÉMILE"), QStringLiteral("first")), -1);
    EXPECT_EQ(ValidateUser(QStringLiteral("ÉMILE"), QStringLiteral("second")), -1);
    EXPECT_EQ(ValidateUser(QStringLiteral("ÉMILE"), QStringLiteral("third")), 102);
}

TEST_F(UsersTest, UsersDatabaseThatCannotBeOpenedFailsEveryCheckWithItsReport)
{
    gDbPath = folder.path() + QStringLiteral("\\Missing.kdt");
    OpenUserDatabase();
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Error No=53\rError Description=")))
        << gErrMsg.toStdString();
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);

    EXPECT_EQ(ValidateUser(QStringLiteral("Anya"), QStringLiteral("pw")), 101);
    EXPECT_EQ(gErrMsg, NotSetReport);
    gErrMsg.clear();
    EXPECT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("pw")), 103);
    EXPECT_EQ(gErrMsg, NotSetReport);
    gErrMsg.clear();
    EXPECT_EQ(UserExists(QStringLiteral("Anya")), 101);
    EXPECT_EQ(gErrMsg, NotSetReport);
    EXPECT_FALSE(QFileInfo::exists(folder.path() + QStringLiteral("/Missing.kdt")));
}

TEST_F(UsersTest, ANameAnotherProgramTookAMomentAgoIsRefusedAsTaken)
{
    openUsers();
    ASSERT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("a")), -1);
    // Another program adds the name after our snapshot was taken: our check
    // cannot see it, the file's unique name refuses the row.
    schema::Writer(folder.usersDatabase())
        .addUser(QStringLiteral("Ravi"), passwords::hash(QStringLiteral("r")), 1);
    EXPECT_EQ(AddUser(QStringLiteral("RAVI"), QStringLiteral("b")), 104);
    EXPECT_EQ(gErrMsg, QStringLiteral("Username RAVI already exist. Please choose a different "
                                      "username."));
    // The refused row is gone from the recordset; the next user still adds.
    EXPECT_EQ(UserExists(QStringLiteral("RAVI")), 101);
    EXPECT_EQ(AddUser(QStringLiteral("Mira"), QStringLiteral("m")), -1);
    EXPECT_EQ(storedUserCount(), 3);
    EXPECT_TRUE(passwords::matches(
        storedField(QStringLiteral("Ravi"), QStringLiteral("Password")).toString(),
        QStringLiteral("r")));
}

// Another copy of the program writing: its lock is waited for, at start-up
// and when a user is added, rather than failing the learner.
TEST_F(UsersTest, AUsersDatabaseLockedAtStartUpIsWaitedFor)
{
    {
        HeldWriteLock lock(folder.usersDatabase(), std::chrono::seconds(3));
        openUsers();
        EXPECT_TRUE(lock.released());
    }
    EXPECT_TRUE(gErrMsg.isEmpty()) << gErrMsg.toStdString();
    EXPECT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("a")), -1);
    EXPECT_EQ(ValidateUser(QStringLiteral("Anya"), QStringLiteral("a")), -1);
}

// Another copy of the program, with the same learner logged in, stored a
// level after our snapshot was taken: our stale write is refused rather than
// lowering it, and the next pass starts from what the file holds.
TEST_F(UsersTest, ALevelAnotherProgramStoredMeanwhileIsNeverLowered)
{
    openUsers();
    ASSERT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("a")), -1);
    gUserName = QStringLiteral("Anya");
    db::Database::openExisting(folder.usersDatabase())
        ->exec(QStringLiteral("UPDATE UserDetails SET LevelAt = 7 WHERE UserName = 'Anya'"));

    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), platform::err::DatabaseError);
    EXPECT_TRUE(gErrMsg.contains(QStringLiteral("Row cannot be located for updating")))
        << gErrMsg.toStdString();
    EXPECT_EQ(storedField(gUserName, QStringLiteral("LevelAt")).toInteger(), 7);
    EXPECT_EQ(GetUserLevel(gUserName, true), 7);

    gErrMsg.clear();
    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), -1);
    EXPECT_EQ(gErrMsg, QString());
    EXPECT_EQ(storedField(gUserName, QStringLiteral("LevelAt")).toInteger(), 8);
}

TEST_F(UsersTest, AddingAUserWaitsForAnotherProgramsWrite)
{
    openUsers();
    HeldWriteLock lock(folder.usersDatabase(), std::chrono::seconds(3));
    EXPECT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("a")), -1) << gErrMsg.toStdString();
    EXPECT_TRUE(lock.released());
    EXPECT_EQ(storedUserCount(), 1);
}

} // namespace

namespace {

TEST_F(UsersTest, ProgramCostIsTheInteractiveOne)
{
    passwords::setCheapHashingForTests(false);
    openUsers();
    ASSERT_EQ(AddUser(QStringLiteral("Anya"), QStringLiteral("Secret1")), -1);
    const QString stored =
        storedField(QStringLiteral("Anya"), QStringLiteral("Password")).toString();
    EXPECT_TRUE(stored.startsWith(QStringLiteral("$argon2id$v=19$m=65536,t=2,")))
        << stored.toStdString();
    EXPECT_EQ(ValidateUser(QStringLiteral("anya"), QStringLiteral("Secret1")), -1);
    EXPECT_EQ(ValidateUser(QStringLiteral("anya"), QStringLiteral("secret1")), 102);
}

// A true hash of password at a cost the program never uses itself.
QString hashAtCost(const char *password, unsigned long long passes, size_t memory)
{
    char stored[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(stored, password, qstrlen(password), passes, memory) != 0)
        ADD_FAILURE() << "cannot hash at this cost";
    return QString::fromLatin1(stored);
}

TEST_F(UsersTest, AStoredHashDearerThanTheProgramsOwnIsAWrongPassword)
{
    {
        schema::Writer writer(folder.usersDatabase());
        writer.addUser(QStringLiteral("Passes"),
                       hashAtCost("pw", crypto_pwhash_OPSLIMIT_INTERACTIVE + 1,
                                  crypto_pwhash_MEMLIMIT_INTERACTIVE),
                       1);
        writer.addUser(QStringLiteral("Memory"),
                       hashAtCost("pw", 1, 2 * crypto_pwhash_MEMLIMIT_INTERACTIVE), 1);
        // 4 GiB and 2^32 - 1 passes: verifying it would hold the login for ever.
        QString forged = passwords::hash(QStringLiteral("pw"));
        forged.replace(QRegularExpression(QStringLiteral("m=\\d+,t=\\d+")),
                       QStringLiteral("m=4194304,t=4294967295"));
        writer.addUser(QStringLiteral("Forged"), forged, 1);
        QString lanes = passwords::hash(QStringLiteral("pw"));
        lanes.replace(QStringLiteral(",p=1$"), QStringLiteral(",p=4$"));
        writer.addUser(QStringLiteral("Lanes"), lanes, 1);
    }
    openUsers();
    for (const char *name : {"Passes", "Memory", "Forged", "Lanes"}) {
        gErrMsg.clear();
        EXPECT_EQ(ValidateUser(QString::fromLatin1(name), QStringLiteral("pw")), 102) << name;
        EXPECT_EQ(gErrMsg, QStringLiteral("Password is incorrect. Please try again."));
    }
    // Such a hash is no plain password either.
    EXPECT_EQ(
        ValidateUser(QStringLiteral("Forged"),
                     storedField(QStringLiteral("Forged"), QStringLiteral("Password")).toString()),
        102);
}

} // namespace
