#include "platform/db/Statement.h"

#include "platform/db/Database.h"

#include <sqlite3.h>

namespace db {
namespace {

QString text(const char *utf8)
{
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

} // namespace

Statement::Statement(Database &database, const QString &sql)
    : m_database(database)
{
    const QByteArray utf8 = sql.toUtf8();
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(database.handle(), utf8.constData(), int(utf8.size()), &m_statement,
                           &tail) != SQLITE_OK)
        database.fail();
    if (!m_statement)
        raiseDatabaseError(QStringLiteral("The query text holds no statement."));
    const QByteArray rest = QByteArray(tail).replace(';', ' ').trimmed();
    if (!rest.isEmpty()) {
        sqlite3_finalize(m_statement);
        raiseDatabaseError(QStringLiteral("Characters found after end of SQL statement."));
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

void Statement::bind(int index, const Variant &value)
{
    int rc = SQLITE_OK;
    switch (value.type()) {
    case Variant::Type::Null:
        rc = sqlite3_bind_null(m_statement, index);
        break;
    case Variant::Type::Integer:
        rc = sqlite3_bind_int64(m_statement, index, value.toInt64());
        break;
    case Variant::Type::Real:
        rc = sqlite3_bind_double(m_statement, index, value.toDouble());
        break;
    case Variant::Type::Text:
    case Variant::Type::DateTime: {
        const QByteArray utf8 = value.concatText().toUtf8();
        rc = sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()),
                               SQLITE_TRANSIENT);
        break;
    }
    }
    if (rc != SQLITE_OK)
        m_database.fail();
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_database.fail();
}

void Statement::run()
{
    while (step()) {
    }
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString Statement::columnName(int column) const
{
    return text(sqlite3_column_name(m_statement, column));
}

QString Statement::declaredType(int column) const
{
    return text(sqlite3_column_decltype(m_statement, column));
}

QString Statement::tableName(int column) const
{
    return text(sqlite3_column_table_name(m_statement, column));
}

QString Statement::originName(int column) const
{
    return text(sqlite3_column_origin_name(m_statement, column));
}

Variant Statement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(m_statement, column);
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column));
    }
    default:
        return Variant();
    }
}

} // namespace db
