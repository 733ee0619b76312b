#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

struct sqlite3;

namespace db {

// The one owner of an SQLite handle. Connection uses it for the course;
// the content tool and the tests use it to create files.
class Database final
{
public:
    // An existing file, read-write where the file system allows it; a missing
    // file raises 53 "File not found" and nothing is created. A write killed
    // half-way is undone here; where it cannot be, ReadOnlyDatabase.
    static std::unique_ptr<Database> openExisting(const QString &localFile);
    // A new, empty file; refuses one that exists.
    static std::unique_ptr<Database> create(const QString &localFile);

    ~Database();
    Q_DISABLE_COPY_MOVE(Database)

    sqlite3 *handle() const { return m_handle; }
    QString file() const { return m_file; }

    // Statements without results (schema, transactions); raises on failure.
    void exec(const QString &sql);

    qint64 lastInsertRowid() const;
    int changes() const;

    // The engine's refusal as a run-time error carrying its own message; a
    // clash on a unique column is a DuplicateValue.
    [[noreturn]] void fail() const;

private:
    Database(sqlite3 *handle, const QString &file);
    static std::unique_ptr<Database> open(const QString &localFile, int flags);

    sqlite3 *m_handle;
    QString m_file;
};

// A refusal by the database engine (a refused row, a bad query) as the run
// time reports it: err::DatabaseError with the engine's message.
[[noreturn]] void raiseDatabaseError(const QString &message);

} // namespace db
