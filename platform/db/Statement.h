#pragma once

#include "platform/db/Variant.h"

#include <QString>

struct sqlite3_stmt;

namespace db {

class Database;

// One prepared SQLite statement. Values go in through bound parameters only.
class Statement final
{
public:
    // Raises the engine's message for a bad query, and refuses text after the
    // first statement rather than ignoring it.
    Statement(Database &database, const QString &sql);
    ~Statement();
    Q_DISABLE_COPY_MOVE(Statement)

    // SQLite binds from 1, reads columns from 0. Date-times bind as ISO-8601 text.
    void bind(int index, const Variant &value);

    // true while a row is at hand; raises on failure.
    bool step();
    // Runs a statement that returns no rows.
    void run();

    int columnCount() const;
    QString columnName(int column) const;
    QString declaredType(int column) const;
    // Where a result column comes from; empty for an expression.
    QString tableName(int column) const;
    QString originName(int column) const;

    // The stored value of the current row, by SQLite's storage class.
    Variant value(int column) const;

private:
    Database &m_database;
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace db
