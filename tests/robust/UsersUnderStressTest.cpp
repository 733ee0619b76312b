#include "shell/PasswordHash.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/robust/UsersWorkerProcess.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempProgramFolder.h"

#include <QRandomGenerator>

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

constexpr int AdvancesPerLearner = 3;

// The program, started after the writer died, uses the file as it finds it.
void expectTheProgramCarriesOn(const QString &usersDatabase, const QString &learner)
{
    modMain::resetForTests();
    passwords::setCheapHashingForTests(true);
    modMain::gDbPath = usersDatabase;
    modMain::OpenUserDatabase();
    EXPECT_EQ(modErrors::gErrMsg, QString());
    EXPECT_EQ(modMain::ValidateUser(learner, QStringLiteral("pw1")), -1);
    EXPECT_EQ(modMain::AddUser(QStringLiteral("Afterwards"), QStringLiteral("pw")), -1)
        << modErrors::gErrMsg.toStdString();
    modMain::resetForTests();
    passwords::setCheapHashingForTests(false);
}

// A copy of the program killed in the middle of its writes: the file stays
// sound and keeps every row that was committed before the kill.
class KilledWriter : public ::testing::TestWithParam<int>
{};

TEST_P(KilledWriter, LeavesASoundFileWithEveryCommittedRow)
{
    TempProgramFolder folder;
    UsersWorkerProcess worker(folder.usersDatabase(), QStringLiteral("Kid"), 0, AdvancesPerLearner);
    ASSERT_TRUE(worker.waitForReports(GetParam(), 60000))
        << worker.lines().join('\n').toStdString();
    // Somewhere inside the next write, not on a report's boundary.
    std::this_thread::sleep_for(
        std::chrono::microseconds(QRandomGenerator::global()->bounded(3000)));
    worker.kill();
    ASSERT_EQ(worker.errors(), QString());

    ASSERT_EQ(integrityCheck(folder.usersDatabase()), QStringLiteral("ok"));
    const QMap<QString, int> committed = worker.committedLevels();
    const QMap<QString, int> stored = storedLevels(folder.usersDatabase());
    for (auto it = committed.cbegin(); it != committed.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        ASSERT_TRUE(stored.contains(it.key()));
        // The write after the last report may have been committed too.
        EXPECT_GE(stored[it.key()], it.value());
        EXPECT_LE(stored[it.key()], it.value() + 1);
    }
    // At most the one learner whose row was committed but not yet reported.
    EXPECT_LE(stored.size(), committed.size() + 1);

    expectTheProgramCarriesOn(folder.usersDatabase(), QStringLiteral("Kid1"));
}

INSTANTIATE_TEST_SUITE_P(AfterReports, KilledWriter, ::testing::Values(2, 11, 37, 90));

// Two copies of the program on one users database, each logging its own
// learners in and advancing them at the same time: every row of both is
// stored, and a file busy with the other copy's write is waited for.
TEST(SharedUsersDatabase, TwoCopiesAdvancingTheirLearnersLoseNothing)
{
    TempProgramFolder folder;
    constexpr int Learners = 25;
    UsersWorkerProcess first(folder.usersDatabase(), QStringLiteral("Anya"), Learners,
                             AdvancesPerLearner);
    UsersWorkerProcess second(folder.usersDatabase(), QStringLiteral("Ravi"), Learners,
                              AdvancesPerLearner);
    EXPECT_TRUE(first.finishedWell(120000)) << first.errors().toStdString();
    EXPECT_TRUE(second.finishedWell(120000)) << second.errors().toStdString();

    ASSERT_EQ(integrityCheck(folder.usersDatabase()), QStringLiteral("ok"));
    QMap<QString, int> expected = first.committedLevels();
    expected.insert(second.committedLevels());
    EXPECT_EQ(expected.size(), 2 * Learners);
    EXPECT_EQ(storedLevels(folder.usersDatabase()), expected);
    for (int level : expected)
        EXPECT_EQ(level, 1 + AdvancesPerLearner);
}

} // namespace
