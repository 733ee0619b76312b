#include "tests/exercises/letters/OrderFixture.h"

#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QFile>
#include <QImage>

namespace {

void writeSoundStub(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ID3");
}

} // namespace

OrderFixture::OrderFixture()
    : media(folder, &writeSoundStub)
{
    modMain::resetForTests();
    modMain::gDbPath = folder.usersDatabase();
    modMain::OpenUserDatabase();
    EXPECT_EQ(modMain::AddUser(QStringLiteral("Asha"), QStringLiteral("secret")), -1);
    modMain::gUserName = QStringLiteral("Asha");
    media.gif(QStringLiteral("Animation\\testinstructions.gif"), {17, 25}, 10);
    media.gif(QStringLiteral("Animation\\numbertestinstructions.gif"), {17, 25}, 10);
    media.gif(QStringLiteral("test\\congratulations.gif"), {40, 30}, 10);
    media.sound(QStringLiteral("test\\Applause.mp3"));
}

OrderFixture::~OrderFixture()
{
    modMain::resetForTests();
}

void OrderFixture::loadLevel(int level, int count)
{
    media.write(level, count);
    storeLevel(level);
    modMain::SetLevel(level);
    modMain::LoadLetterRecords();
    ASSERT_EQ(modMain::gLetterCount, count) << modErrors::gErrMsg.toStdString();
}

void OrderFixture::storeLevel(int level)
{
    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, level), -1)
        << modErrors::gErrMsg.toStdString();
}

int OrderFixture::storedLevel()
{
    return modMain::GetUserLevel(modMain::gUserName, true);
}

int OrderFixture::letterShown(const QPixmap &picture)
{
    if (picture.isNull())
        return 0;
    const QColor colour = picture.toImage().pixelColor(2, 2);
    for (int letter = 1; letter <= modMain::gLetterCount; ++letter) {
        if (colour == LessonLevel::letterColour(letter))
            return letter;
    }
    return 0;
}
