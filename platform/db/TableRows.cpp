#include "platform/db/TableRows.h"

#include "platform/db/Database.h"
#include "platform/db/Statement.h"

namespace db {
namespace {

QString quoted(const QString &identifier)
{
    QString escaped = identifier;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

} // namespace

TableRows::TableRows(const QString &table, const QStringList &columns,
                     const QList<ColumnKind> &kinds)
    : m_table(table)
    , m_columns(columns)
    , m_kinds(kinds)
{}

qint64 TableRows::insert(Database &database, const QList<Variant> &values,
                         const QList<bool> &set) const
{
    QStringList names;
    QList<Variant> bound;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (set.at(i)) {
            names << quoted(m_columns.at(i));
            bound << values.at(i);
        }
    }
    QString sql = QStringLiteral("INSERT INTO ") + quoted(m_table);
    if (names.isEmpty()) {
        sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        const QStringList marks(names.size(), QStringLiteral("?"));
        sql += QStringLiteral(" (") + names.join(u',') + QStringLiteral(") VALUES (") +
               marks.join(u',') + u')';
    }
    Statement statement(database, sql);
    for (int i = 0; i < bound.size(); ++i)
        statement.bind(i + 1, bound.at(i));
    statement.run();
    return database.lastInsertRowid();
}

void TableRows::update(Database &database, qint64 rowid, const QList<Variant> &values,
                       const QList<bool> &set, const QList<Variant> &read) const
{
    QStringList assignments;
    QStringList unchanged;
    QList<Variant> bound;
    QList<Variant> expected;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!set.at(i))
            continue;
        assignments << quoted(m_columns.at(i)) + QStringLiteral("=?");
        bound << values.at(i);
        const ColumnKind kind = m_kinds.at(i);
        if (kind == ColumnKind::Integer || kind == ColumnKind::Long || kind == ColumnKind::Text) {
            unchanged << QStringLiteral(" AND ") + quoted(m_columns.at(i)) +
                             QStringLiteral(" IS ?");
            expected << read.at(i);
        }
    }
    if (assignments.isEmpty())
        return;
    Statement statement(database, QStringLiteral("UPDATE ") + quoted(m_table) +
                                      QStringLiteral(" SET ") + assignments.join(u',') +
                                      QStringLiteral(" WHERE _ROWID_=?") +
                                      unchanged.join(QString()));
    int index = 0;
    for (const Variant &value : bound)
        statement.bind(++index, value);
    statement.bind(++index, rowid);
    for (const Variant &value : expected)
        statement.bind(++index, value);
    statement.run();
    if (database.changes() != 1)
        raiseDatabaseError(QStringLiteral("Row cannot be located for updating. Some values may "
                                          "have been changed since it was last read."));
}

QList<Variant> TableRows::read(Database &database, qint64 rowid) const
{
    QStringList names;
    for (const QString &column : m_columns)
        names << quoted(column);
    Statement statement(database, QStringLiteral("SELECT ") + names.join(u',') +
                                      QStringLiteral(" FROM ") + quoted(m_table) +
                                      QStringLiteral(" WHERE _ROWID_=?"));
    statement.bind(1, rowid);
    QList<Variant> row;
    if (!statement.step())
        raiseDatabaseError(QStringLiteral("The row just written cannot be read back."));
    for (int i = 0; i < m_columns.size(); ++i)
        row << fromStored(m_kinds.at(i), statement.value(i));
    return row;
}

} // namespace db
