#pragma once

#include "platform/db/ColumnKind.h"
#include "platform/db/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace db {

class Database;

// The rows of one table as a recordset of a single-table query sees them,
// addressed by rowid: what lets the recordset write back the rows it shows.
// Values are passed in recordset column order; `set` marks those to write.
class TableRows final
{
public:
    TableRows(const QString &table, const QStringList &columns, const QList<ColumnKind> &kinds);

    // Returns the new row's rowid.
    qint64 insert(Database &database, const QList<Variant> &values, const QList<bool> &set) const;
    // Optimistic: the row is written only where each column to write still
    // holds what `read` says it held when it was read, so that a change
    // another program made meanwhile is never overwritten unseen. Raises when
    // the row is gone or was changed. Real and date-time columns are not
    // compared: their text form need not round-trip exactly.
    void update(Database &database, qint64 rowid, const QList<Variant> &values,
                const QList<bool> &set, const QList<Variant> &read) const;
    // The row as the file holds it now.
    QList<Variant> read(Database &database, qint64 rowid) const;

private:
    QString m_table;
    QStringList m_columns;
    QList<ColumnKind> m_kinds;
};

} // namespace db
