#include "platform/db/Snapshot.h"

#include "platform/core/RuntimeError.h"
#include "platform/db/Statement.h"

#include <QRegularExpression>

#include <memory>

namespace db {
namespace {

// A query whose rows are not rows of its table, even when every column comes
// from that one table.
bool groupsOrCombines(const QString &query)
{
    static const QRegularExpression words(
        QStringLiteral("\\b(DISTINCT|GROUP|UNION|INTERSECT|EXCEPT|JOIN|VALUES|WITH)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return words.match(query).hasMatch();
}

// The one table every result column comes from; empty when there is none.
QString sourceTable(const Statement &statement)
{
    QString table;
    for (int i = 0; i < statement.columnCount(); ++i) {
        const QString from = statement.tableName(i);
        if (from.isEmpty() || (!table.isEmpty() && from != table))
            return QString();
        table = from;
    }
    return table;
}

// The same query with the rowid as a leading column, or nothing when the
// query is not a plain select from `table`.
std::unique_ptr<Statement> withRowid(Database &database, const QString &query, const QString &table)
{
    static const QRegularExpression select(QStringLiteral("^\\s*SELECT\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = select.match(query);
    if (table.isEmpty() || !match.hasMatch() || groupsOrCombines(query))
        return nullptr;
    const QString text = QStringLiteral("SELECT _ROWID_, ") + query.mid(match.capturedEnd());
    std::unique_ptr<Statement> statement;
    try {
        statement = std::make_unique<Statement>(database, text);
    } catch (const platform::RuntimeError &) {
        return nullptr; // a view, or a table without rowid: read-only
    }
    if (statement->tableName(0) != table)
        return nullptr;
    return statement;
}

} // namespace

Snapshot Snapshot::read(Database &database, const QString &query, const QList<Variant> &parameters,
                        bool updatable)
{
    Snapshot snapshot;
    auto plain = std::make_unique<Statement>(database, query);
    const int count = plain->columnCount();
    QStringList origins;
    for (int i = 0; i < count; ++i) {
        snapshot.names << plain->columnName(i);
        snapshot.kinds << kindOfDeclaredType(plain->declaredType(i));
        origins << plain->originName(i);
        const QString &name = snapshot.names.last();
        if (!snapshot.m_columnOfName.contains(name))
            snapshot.m_columnOfName.insert(name, i);
        if (!snapshot.m_columnOfFolded.contains(name.toCaseFolded()))
            snapshot.m_columnOfFolded.insert(name.toCaseFolded(), i);
    }

    const QString table = sourceTable(*plain);
    std::unique_ptr<Statement> keyed = updatable ? withRowid(database, query, table) : nullptr;
    if (keyed)
        snapshot.table.emplace(table, origins, snapshot.kinds);

    Statement &statement = keyed ? *keyed : *plain;
    for (int i = 0; i < parameters.size(); ++i)
        statement.bind(i + 1, parameters.at(i));
    const int first = keyed ? 1 : 0;
    while (statement.step()) {
        Row row;
        if (keyed)
            row.rowid = statement.value(0).toInt64();
        row.values.reserve(count);
        for (int i = 0; i < count; ++i)
            row.values << fromStored(snapshot.kinds.at(i), statement.value(first + i));
        snapshot.rows << std::move(row);
    }
    return snapshot;
}

int Snapshot::column(const QString &name) const
{
    // The exact spelling first: the usual case, and no folding to pay for.
    const auto exact = m_columnOfName.constFind(name);
    if (exact != m_columnOfName.cend())
        return exact.value();
    return m_columnOfFolded.value(name.toCaseFolded(), -1);
}

} // namespace db
