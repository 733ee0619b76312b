#pragma once

#include "course/schema/Create.h"
#include "course/schema/Writer.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dbtest {

// The number of the run-time error that f raises; 0 when it raises none.
template <typename F> int errorOf(F &&f)
{
    try {
        f();
    } catch (const platform::RuntimeError &error) {
        return error.number();
    }
    return 0;
}

inline QString connectionString(const QString &path)
{
    return QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";");
}

// Opened as every call site of the course does it.
inline void openAsTheCourseDoes(db::Connection &connection, const QString &path)
{
    connection.Open(connectionString(path));
}

// A temporary folder with a fresh users database and a fresh level database.
class DbTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        schema::createUsersDatabase(usersPath());
        schema::createLevelDatabase(levelPath());
    }

    QString usersPath() const { return folder.filePath(QStringLiteral("Kelvo.kdt")); }
    QString levelPath() const { return folder.filePath(QStringLiteral("levels/level1.kdt")); }

    QTemporaryDir folder;
};

} // namespace dbtest
