#pragma once

#include "course/schema/Writer.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shell/PasswordHash.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempProgramFolder.h"

#include <gtest/gtest.h>
#include <memory>

// A program folder of its own with the users database open, as after
// start-up. Hashing is cheap so that tests can make users quickly.
class ShellFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        modMain::resetForTests();
        passwords::setCheapHashingForTests(true);
        modMain::gDbPath = folder.path() + QStringLiteral("\\Kelvo.kdt");
    }

    void TearDown() override
    {
        modMain::resetForTests();
        passwords::setCheapHashingForTests(false);
    }

    void openUsers() { modMain::OpenUserDatabase(); }

    // Rows written before the users recordset opens (it is a static snapshot).
    schema::Writer usersWriter() const { return schema::Writer(folder.usersDatabase()); }

    // What the file holds now, read through a connection of its own.
    db::Variant storedField(const QString &userName, const QString &column) const
    {
        db::Connection connection;
        connection.Open(modMain::ConnectionString(folder.usersDatabase()));
        db::Recordset rs;
        rs.Open(QStringLiteral("select * from UserDetails Order by UserName"), connection);
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            if (rs.Field(QStringLiteral("UserName")).toString() == userName)
                return rs.Field(column);
        }
        ADD_FAILURE() << "no stored user " << userName.toStdString();
        return {};
    }

    int storedUserCount() const
    {
        db::Connection connection;
        connection.Open(modMain::ConnectionString(folder.usersDatabase()));
        db::Recordset rs;
        rs.Open(QStringLiteral("select * from UserDetails Order by UserName"), connection);
        return rs.RecordCount();
    }

    TempProgramFolder folder;
};
