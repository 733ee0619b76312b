#include "tests/shell/MainWindowFixture.h"

#include "shell/modErrors.h"
#include "shell/modMain.h"

MainWindowFixture::MainWindowFixture()
{
    modMain::resetForTests();
    modMain::gDbPath = folder.usersDatabase();
    modMain::OpenUserDatabase();
    EXPECT_EQ(modMain::AddUser(QStringLiteral("Asha"), QStringLiteral("secret")), -1);
    modMain::gUserName = QStringLiteral("Asha");
}

MainWindowFixture::~MainWindowFixture()
{
    modMain::resetForTests();
}

void MainWindowFixture::storeLevel(int level)
{
    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, level), -1)
        << modErrors::gErrMsg.toStdString();
    ASSERT_EQ(modMain::GetUserLevel(modMain::gUserName, true), level);
}
