#include "platform/db/Recordset.h"

#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Database.h"
#include "platform/db/Snapshot.h"

namespace db {
namespace {

[[noreturn]] void raiseNotUpdatable()
{
    platform::raise(platform::err::NotUpdatable,
                    QStringLiteral("Current Recordset does not support updating. "
                                   "This may be a limitation of the provider, or "
                                   "of the selected locktype."));
}

[[noreturn]] void raiseConnectionUnusable()
{
    platform::raise(platform::err::ConnectionUnusable,
                    QStringLiteral("The connection cannot be used to perform this operation. It "
                                   "is either closed or invalid in this context."));
}

} // namespace

Recordset::Recordset() = default;
Recordset::~Recordset() = default;

void Recordset::Open(const QString &queryText, Connection &connection,
                     const QList<Variant> &parameters, Access access)
{
    if (isOpen())
        platform::raise(platform::err::AlreadyOpen,
                        QStringLiteral("Operation is not allowed when the object is open."));
    const std::shared_ptr<Database> database = connection.database().lock();
    if (!database)
        raiseConnectionUnusable();
    m_readOnly = access == Access::ReadOnly;
    m_snapshot =
        std::make_unique<Snapshot>(Snapshot::read(*database, queryText, parameters, !m_readOnly));
    m_database = database;
    m_position = 0;
    m_editing = Editing::None;
}

void Recordset::Close()
{
    requireOpen();
    dropPendingChange();
    m_snapshot.reset();
    m_database.reset();
}

void Recordset::requireOpen() const
{
    if (!isOpen())
        platform::raise(platform::err::ObjectClosed);
}

int Recordset::RecordCount() const
{
    requireOpen();
    return int(m_snapshot->rows.size());
}

void Recordset::MoveFirst()
{
    requireOpen();
    dropPendingChange();
    if (m_snapshot->rows.isEmpty())
        platform::raise(platform::err::NoCurrentRecord);
    m_position = 0;
}

void Recordset::MoveNext()
{
    requireOpen();
    if (m_editing == Editing::Adding) {
        // The new row stood after the last one; moving on from it, unstored,
        // leaves it out and reaches the end.
        dropPendingChange();
        m_position = int(m_snapshot->rows.size());
        return;
    }
    dropPendingChange();
    if (Eof())
        platform::raise(platform::err::NoCurrentRecord);
    ++m_position;
}

bool Recordset::Eof() const
{
    requireOpen();
    return m_editing != Editing::Adding && m_position >= m_snapshot->rows.size();
}

int Recordset::columnOf(const QString &name) const
{
    const int column = m_snapshot->column(name);
    if (column < 0)
        platform::raise(platform::err::ItemNotFound);
    return column;
}

Variant Recordset::Field(const QString &name) const
{
    requireOpen();
    const int column = columnOf(name);
    if (m_editing != Editing::None)
        return m_buffer.at(column);
    if (Eof())
        platform::raise(platform::err::NoCurrentRecord);
    return m_snapshot->rows.at(m_position).values.at(column);
}

void Recordset::setField(const QString &name, const Variant &value)
{
    requireOpen();
    const int column = columnOf(name);
    if (m_readOnly || !m_snapshot->table)
        raiseNotUpdatable();
    if (Eof())
        platform::raise(platform::err::NoCurrentRecord);
    const Variant stored = toStored(m_snapshot->kinds.at(column), value);
    if (m_editing == Editing::None) {
        m_buffer = m_snapshot->rows.at(m_position).values;
        m_changed = QList<bool>(m_buffer.size(), false);
        m_editing = Editing::Changing;
    }
    m_buffer[column] = stored;
    m_changed[column] = true;
}

void Recordset::AddNew()
{
    requireOpen();
    if (m_readOnly || !m_snapshot->table)
        raiseNotUpdatable();
    dropPendingChange();
    m_buffer = QList<Variant>(m_snapshot->names.size());
    m_changed = QList<bool>(m_snapshot->names.size(), false);
    m_editing = Editing::Adding;
}

std::shared_ptr<Database> Recordset::liveDatabase() const
{
    std::shared_ptr<Database> database = m_database.lock();
    if (!database)
        raiseConnectionUnusable();
    return database;
}

void Recordset::Update()
{
    requireOpen();
    if (m_editing == Editing::None)
        return;
    const TableRows &table = *m_snapshot->table;
    // Whatever happens below, the change is no longer pending: a refused row
    // must not linger in the recordset as if it were in the file.
    const Editing editing = m_editing;
    const QList<Variant> values = m_buffer;
    const QList<bool> changed = m_changed;
    dropPendingChange();

    const std::shared_ptr<Database> database = liveDatabase();
    if (editing == Editing::Adding) {
        Snapshot::Row row;
        row.rowid = table.insert(*database, values, changed);
        row.values = table.read(*database, row.rowid);
        m_snapshot->rows << std::move(row);
        m_position = int(m_snapshot->rows.size()) - 1;
    } else {
        Snapshot::Row &row = m_snapshot->rows[m_position];
        try {
            table.update(*database, row.rowid, values, changed, row.values);
        } catch (const platform::RuntimeError &) {
            // Refused because another program changed the row: from now on
            // the recordset shows what the file holds, so a later change
            // starts from there.
            try {
                row.values = table.read(*database, row.rowid);
            } catch (const platform::RuntimeError &) {
                // The row is gone: nothing else to show.
            }
            throw;
        }
        row.values = table.read(*database, row.rowid);
    }
}

void Recordset::dropPendingChange()
{
    m_editing = Editing::None;
    m_buffer.clear();
    m_changed.clear();
}

} // namespace db
