#pragma once

#include "platform/db/ColumnKind.h"
#include "platform/db/TableRows.h"
#include "platform/db/Variant.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace db {

class Database;

// Every row of a query, read at once: what a static, client-side recordset
// holds. For a plain query on one table each row carries its rowid, so that
// the rows can be written back.
struct Snapshot
{
    struct Row
    {
        qint64 rowid = 0;
        QList<Variant> values;
    };

    QStringList names;
    QList<ColumnKind> kinds;
    QList<Row> rows;
    std::optional<TableRows> table; // set when the rows can be written back

    // Raises the engine's message for a bad query; `parameters` take its ?
    // placeholders in order.
    static Snapshot read(Database &database, const QString &query, const QList<Variant> &parameters,
                         bool updatable);

    // The column of a name, matched without regard to case; -1 when none.
    int column(const QString &name) const;

private:
    QHash<QString, int> m_columnOfName;   // as the query names them
    QHash<QString, int> m_columnOfFolded; // case-folded
};

} // namespace db
