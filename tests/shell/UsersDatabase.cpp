#include "tests/shell/UsersDatabase.h"

#include "platform/core/Paths.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <gtest/gtest.h>

UsersDatabase::UsersDatabase()
{
    modMain::resetForTests();
    modMain::gDbPath = platform::ProgramPath(QStringLiteral("\\Kelvo.kdt"));
    modMain::OpenUserDatabase();
    EXPECT_TRUE(modErrors::gErrMsg.isEmpty()) << modErrors::gErrMsg.toStdString();
}

UsersDatabase::~UsersDatabase()
{
    modMain::resetForTests();
}

void UsersDatabase::addUser(const QString &name, const QString &password)
{
    ASSERT_EQ(modMain::AddUser(name, password), -1) << modErrors::gErrMsg.toStdString();
}
