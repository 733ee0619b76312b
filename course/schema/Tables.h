#pragma once

#include <QList>
#include <QString>

namespace schema {

// The tables of the course's databases, with the column names the program
// reads. Declared types decide how values are read back: SMALLINT is the
// course's 16-bit Integer, INTEGER a Long, DATETIME an ISO-8601 date-time.
struct Column
{
    QString name;
    QString type;
    QString constraints = {};
};

struct Table
{
    QString name;
    QList<Column> columns;
    QStringList indexes; // CREATE INDEX statements
};

const QList<Table> &usersTables();
const QList<Table> &levelTables();

// The table of that name among the given ones; nullptr when there is none.
const Table *findTable(const QList<Table> &tables, const QString &name);
const Column *findColumn(const Table &table, const QString &name);

QString createStatement(const Table &table);

} // namespace schema
