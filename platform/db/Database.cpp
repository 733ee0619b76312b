#include "platform/db/Database.h"

#include "platform/core/RuntimeError.h"
#include "platform/db/DuplicateValue.h"
#include "platform/db/ReadOnlyDatabase.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace db {
namespace {

// Another process holding the file (a second copy of the program) is waited
// for this long before an open, a read or a write is refused: long enough
// for any write of the course to end.
constexpr int BusyTimeoutMs = 10000;

// "UNIQUE constraint failed: T.a, T.b": the columns, as the engine names them.
QStringList clashingColumns(const QString &message)
{
    const int start = message.lastIndexOf(QLatin1String(": "));
    if (start < 0)
        return {};
    return message.mid(start + 2).split(QLatin1String(", "), Qt::SkipEmptyParts);
}

} // namespace

void raiseDatabaseError(const QString &message)
{
    platform::raise(platform::err::DatabaseError, message);
}

Database::Database(sqlite3 *handle, const QString &file)
    : m_handle(handle)
    , m_file(file)
{}

Database::~Database()
{
    sqlite3_close_v2(m_handle);
}

std::unique_ptr<Database> Database::openExisting(const QString &localFile)
{
    if (!QFileInfo(localFile).isFile())
        platform::raise(platform::err::FileNotFound);
    // Without SQLITE_OPEN_CREATE a file that vanished meanwhile is an error too.
    auto database = open(localFile, SQLITE_OPEN_READWRITE);
    // SQLite reads the header lazily; a file that is no database fails here,
    // not at the first query. This read also undoes a write that was killed
    // half-way, from the journal it left, and fails where that cannot write.
    if (sqlite3_exec(database->m_handle, "SELECT count(*) FROM sqlite_master", nullptr, nullptr,
                     nullptr) != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(database->m_handle) & 0xff;
        const QString journal = localFile + QStringLiteral("-journal");
        if ((code == SQLITE_READONLY || code == SQLITE_CANTOPEN) && QFileInfo::exists(journal))
            throw ReadOnlyDatabase(localFile, journal);
        database->fail();
    }
    return database;
}

std::unique_ptr<Database> Database::create(const QString &localFile)
{
    if (QFileInfo::exists(localFile))
        raiseDatabaseError(QStringLiteral("The file %1 already exists.").arg(localFile));
    return open(localFile, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

std::unique_ptr<Database> Database::open(const QString &localFile, int flags)
{
    sqlite3 *handle = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(localFile).constData(), &handle,
                                   flags | SQLITE_OPEN_EXRESCODE, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = handle ? QString::fromUtf8(sqlite3_errmsg(handle))
                                       : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(handle);
        raiseDatabaseError(message);
    }
    sqlite3_busy_timeout(handle, BusyTimeoutMs);
    return std::unique_ptr<Database>(new Database(handle, localFile));
}

void Database::exec(const QString &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(m_handle));
        sqlite3_free(error);
        raiseDatabaseError(message);
    }
}

qint64 Database::lastInsertRowid() const
{
    return sqlite3_last_insert_rowid(m_handle);
}

int Database::changes() const
{
    return sqlite3_changes(m_handle);
}

void Database::fail() const
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_handle));
    const int code = sqlite3_extended_errcode(m_handle);
    if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
        throw DuplicateValue(message, clashingColumns(message));
    raiseDatabaseError(message);
}

} // namespace db
