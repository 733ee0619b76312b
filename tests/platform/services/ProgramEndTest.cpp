#include "platform/services/ProgramEnd.h"

#include "tests/support/ProgramEndCatcher.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <optional>

namespace {

const char *const OutputVariable = "OSTRANA_END_TEST_OUTPUT";

// Runs in the death test's child: leaves text in a stdio buffer and an
// at-exit handler behind, then ends the program for real.
[[noreturn]] void endWithPendingOutput()
{
    services::setProgramEndHandler({});
    static std::FILE *file = std::fopen(qgetenv(OutputVariable).constData(), "w");
    std::fputs("buffered", file); // not flushed yet
    std::atexit([] { std::fputs(" and the at-exit handler ran", file); });
    services::EndProgram();
}

TEST(ProgramEndDeathTest, TheRealEndFlushesOutputAndEndsAtOnceWithCodeZero)
{
    // The death test's child runs this test again from the top and must reach
    // the same EXPECT_EXIT; it finds the file the parent chose in its
    // environment.
    std::optional<QTemporaryDir> folder;
    if (!qEnvironmentVariableIsSet(OutputVariable)) {
        folder.emplace();
        ASSERT_TRUE(folder->isValid());
        qputenv(OutputVariable, QFile::encodeName(folder->filePath(QStringLiteral("output.txt"))));
    }
    const QString output = qEnvironmentVariable(OutputVariable);
    EXPECT_EXIT(endWithPendingOutput(), ::testing::ExitedWithCode(0), "");
    qunsetenv(OutputVariable);

    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("buffered"));
}

TEST(ProgramEndCatcher, TurnsTheEndIntoAnExceptionOutOfTheCallChain)
{
    ProgramEndCatcher catcher;
    bool after = false;
    auto closeDatabaseAndEnd = [&] {
        services::EndProgram();
        after = true;
    };
    EXPECT_THROW(closeDatabaseAndEnd(), ProgramEnded);
    EXPECT_FALSE(after);
    EXPECT_EQ(catcher.count(), 1);
    EXPECT_TRUE(catcher.ended());
}

TEST(ProgramEndCatcher, WithoutACatcherAnEndFailsTheTestAndStillLeaves)
{
    {
        ProgramEndCatcher catcher; // gone again: what it replaced is back
    }
    bool thrown = false;
    EXPECT_NONFATAL_FAILURE(
        {
            try {
                services::EndProgram();
            } catch (const ProgramEnded &) {
                thrown = true;
            }
        },
        "The program ended without a ProgramEndCatcher");
    EXPECT_TRUE(thrown);
}

} // namespace
