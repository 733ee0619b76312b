#include "course/schema/Create.h"

#include "course/schema/Tables.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace schema {
namespace {

// Marks the files made here, for a later change of the tables to recognise.
constexpr int SchemaVersion = 1;

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    platform::raise(platform::err::DatabaseError,
                    QStringLiteral("Cannot create the database %1: %2").arg(path, reason));
}

void build(const QString &file, const QList<Table> &tables)
{
    const auto database = db::Database::create(file);
    database->exec(QStringLiteral("BEGIN"));
    for (const Table &table : tables) {
        database->exec(createStatement(table));
        for (const QString &index : table.indexes)
            database->exec(index);
    }
    database->exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    database->exec(QStringLiteral("COMMIT"));
}

void create(const QString &path, const QList<Table> &tables)
{
    if (QFileInfo::exists(path))
        fail(path, QStringLiteral("the file already exists."));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        fail(path, QStringLiteral("its folder cannot be made."));

    // Built aside and renamed into place, so a failure leaves no half-made file.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    try {
        build(part, tables);
    } catch (const platform::RuntimeError &error) {
        QFile::remove(part);
        fail(path, error.description());
    }
    if (!QFile::rename(part, path)) {
        QFile::remove(part);
        fail(path, QStringLiteral("the new file cannot be moved into place."));
    }
}

} // namespace

void createUsersDatabase(const QString &path)
{
    create(path, usersTables());
}

void createLevelDatabase(const QString &path)
{
    create(path, levelTables());
}

} // namespace schema
