#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace db {

class Database;

// A connection to one existing .kdt file, opened from the connection string
// the course writes. Recordsets opened on it see it closed once it is closed.
class Connection final
{
public:
    Connection();
    ~Connection();
    Q_DISABLE_COPY_MOVE(Connection)

    // Client-side (3) is the only kind there is; the value is kept as set.
    int CursorLocation() const { return m_cursorLocation; }
    void setCursorLocation(int location) { m_cursorLocation = location; }

    // "...;Data Source=<path>;": the path may use backslashes and any letter
    // case. A missing file raises 53 and creates nothing; an open connection
    // raises 3705. User, password and options are accepted and unused.
    void Open(const QString &connectionString, const QString &user = {},
              const QString &password = {}, int options = -1);
    // Raises 3704 when not open.
    void Close();

    bool isOpen() const { return m_database != nullptr; }
    // Shared with the recordsets, which hold it weakly: closing the
    // connection closes the file for them too.
    std::weak_ptr<Database> database() const { return m_database; }

private:
    int m_cursorLocation = 2;
    std::shared_ptr<Database> m_database;
};

} // namespace db
