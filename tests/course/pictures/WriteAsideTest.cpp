#include "course/pictures/WriteAside.h"

#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

TEST(WriteAside, UnwritableFolderThrowsAndLeavesNoFile)
{
    QTemporaryDir dir;
    // A file where the folder should be: no one, not even root, can write inside it.
    QFile blocker(dir.filePath("letters"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_THROW(pictures::writeLetterPicture(QStringLiteral("\u0A95"),
                                              dir.filePath("letters/01.png"), QSize(120, 150)),
                 std::runtime_error);
    EXPECT_THROW(pictures::writeStrokeAnimation(QStringLiteral("\u0A95"),
                                                dir.filePath("letters/01.gif"), QSize(121, 161)),
                 std::runtime_error);
    EXPECT_EQ(everything(dir.path()), QStringList{"letters"});
}

TEST(WriteAside, FailedRenameRemovesThePartFile)
{
    QTemporaryDir dir;
    // A non-empty folder at the final name: the part file is written, the rename fails.
    ASSERT_TRUE(QDir(dir.path()).mkpath("logo.gif/inside"));
    try {
        pictures::writeLogo(dir.filePath("logo.gif"));
        FAIL() << "no error for a folder in the way";
    } catch (const std::runtime_error &e) {
        EXPECT_NE(std::string(e.what()).find("logo.gif"), std::string::npos) << e.what();
    }
    EXPECT_EQ(everything(dir.path()), QStringList{"logo.gif"});
    EXPECT_TRUE(QFileInfo(dir.filePath("logo.gif")).isDir());
}

TEST(WriteAside, FailedWriteKeepsTheOlderFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("letter.png");
    pictures::writeLetterPicture(QStringLiteral("\u0A95"), path, QSize(120, 150));
    const QByteArray before = probe::fileBytes(path);
    EXPECT_THROW(pictures::writeAside(path,
                                      [](const QString &part) {
                                          QFile file(part);
                                          if (file.open(QIODevice::WriteOnly))
                                              file.write("half");
                                          throw std::runtime_error("disk full");
                                      }),
                 std::runtime_error);
    EXPECT_EQ(probe::fileBytes(path), before);
    EXPECT_FALSE(QFile::exists(path + ".part"));
}

TEST(WriteAside, SecondWriteReplacesTheFirst)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("letter.png");
    pictures::writeLetterPicture(QStringLiteral("\u0A95"), path, QSize(120, 150));
    pictures::writeLetterPicture(QStringLiteral("\u0A96"), path, QSize(120, 150));
    QTemporaryDir other;
    pictures::writeLetterPicture(QStringLiteral("\u0A96"), other.filePath("kha.png"),
                                 QSize(120, 150));
    EXPECT_EQ(probe::fileBytes(path), probe::fileBytes(other.filePath("kha.png")));
}
