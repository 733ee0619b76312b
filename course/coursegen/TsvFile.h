#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace coursegen {

// One data row of a table file, with the line it came from for messages.
struct TsvRow
{
    int line = 0;
    QStringList cells;
};

// A table file as the course keeps them: UTF-8 text, "#" comment lines and
// blank lines ignored, the first other line naming the columns, then one row
// per line with cells separated by exactly one TAB. Every fault raises a
// TableError naming the file (by its name alone) and the line.
class TsvFile final
{
public:
    // Reads and checks the whole file: the header must list exactly the
    // expected columns, each row must have as many non-empty cells without
    // surrounding spaces.
    static TsvFile read(const QString &path, const QStringList &columns);

    QString name() const { return m_name; }
    const QList<TsvRow> &rows() const { return m_rows; }
    int lastLine() const { return m_lastLine; }
    int column(const QString &name) const { return m_columns.indexOf(name); }

private:
    QString m_name;
    QStringList m_columns;
    QList<TsvRow> m_rows;
    int m_lastLine = 0;
};

} // namespace coursegen
