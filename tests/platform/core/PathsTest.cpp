#include "platform/core/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Paths : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkpath(QStringLiteral("sounds"));
        QDir(folder.path()).mkpath(QStringLiteral("Animation"));
        touch(QStringLiteral("sounds/x.mp3"));
        touch(QStringLiteral("Animation/logo.gif"));
        platform::setAppPath(folder.path());
    }
    void TearDown() override { platform::setAppPath(QString()); }

    void touch(const QString &relative)
    {
        QFile file(folder.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder;
};

TEST_F(Paths, StoredPathsFindTheirFilesWithoutRegardToCase)
{
    EXPECT_EQ(platform::ProgramPath(QStringLiteral("\\Sounds\\x.mp3")),
              folder.filePath(QStringLiteral("sounds/x.mp3")));
    EXPECT_EQ(platform::ProgramPath(QStringLiteral("\\sounds\\X.MP3")),
              folder.filePath(QStringLiteral("sounds/x.mp3")));
    EXPECT_EQ(platform::ProgramPath(QStringLiteral("\\animation\\Logo.gif")),
              folder.filePath(QStringLiteral("Animation/logo.gif")));
}

TEST_F(Paths, AnExactPathIsTakenAsItIs)
{
    EXPECT_EQ(platform::ProgramPath(QStringLiteral("\\sounds\\x.mp3")),
              folder.filePath(QStringLiteral("sounds/x.mp3")));
}

TEST_F(Paths, AMissingFileKeepsItsNameAndTheFoldersFound)
{
    EXPECT_EQ(platform::ProgramPath(QStringLiteral("\\SOUNDS\\missing.mp3")),
              folder.filePath(QStringLiteral("sounds/missing.mp3")));
    EXPECT_EQ(platform::ProgramPath(QStringLiteral("\\nowhere\\Sub\\a.mp3")),
              folder.filePath(QStringLiteral("nowhere/Sub/a.mp3")));
}

TEST_F(Paths, AnEmptyStoredPathGivesTheProgramFolder)
{
    EXPECT_EQ(platform::ProgramPath(QString()), folder.path());
    EXPECT_EQ(platform::AppPath(), folder.path());
}

TEST(AppPath, DefaultsToTheExecutablesFolder)
{
    platform::setAppPath(QString());
    EXPECT_EQ(platform::AppPath(), QCoreApplication::applicationDirPath());
}

} // namespace
