#pragma once

#include "platform/db/Variant.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <memory>

namespace db {

class Connection;
class Database;
struct Snapshot;

// A static, client-side recordset: every row of the query is read into memory
// when it opens, so later writes by others do not change it. On a plain
// query of one table the current row can be changed, and new rows added;
// Update() writes them to the file at once and commits.
//
// Errors: 3704 when closed, 3705 when opened twice, 3709 on a closed
// connection, 3021 without a current row, 3265 for an unknown field name,
// 3251 for a change to a recordset that cannot be written back, and
// err::DatabaseError with the engine's message when SQLite refuses.
class Recordset final
{
public:
    Recordset();
    ~Recordset();
    Q_DISABLE_COPY_MOVE(Recordset)

    enum class Access
    {
        Update,   // the current row can be changed, new rows added
        ReadOnly, // changes are refused
    };

    // Every recordset is static. The query's ? placeholders take
    // `parameters`, in order.
    void Open(const QString &queryText, Connection &connection,
              const QList<Variant> &parameters = {}, Access access = Access::Update);
    // Drops a pending change that was not stored.
    void Close();
    bool isOpen() const { return m_snapshot != nullptr; }

    // Exact, from the moment the recordset opens.
    int RecordCount() const;
    // Rows come in the order of the query's sort clause. A move drops a
    // pending change that Update() did not store.
    void MoveFirst();
    void MoveNext();
    // True after the last row (at once for an empty result).
    bool Eof() const;

    // Field names are matched without regard to case.
    Variant Field(const QString &name) const;
    // Starts a change of the current row (or fills the new row); the value is
    // converted to the column's type here, raising 13 or 6 as an assignment would.
    void setField(const QString &name, const Variant &value);

    // A new, empty row that becomes current; Update() appends it.
    void AddNew();
    // Writes the new or changed row to the file and commits. A refused row is
    // dropped from the recordset, which goes back to the row it was on.
    void Update();

private:
    enum class Editing
    {
        None,
        Changing,
        Adding
    };

    void requireOpen() const;
    int columnOf(const QString &name) const;
    void dropPendingChange();
    std::shared_ptr<Database> liveDatabase() const;

    std::unique_ptr<Snapshot> m_snapshot;
    std::weak_ptr<Database> m_database;
    bool m_readOnly = false;
    int m_position = 0; // == row count: at the end

    Editing m_editing = Editing::None;
    QList<Variant> m_buffer;
    QList<bool> m_changed;
};

} // namespace db
