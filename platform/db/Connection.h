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

    // "...;Data Source=<path>;": the path may use backslashes and any letter
    // case. A missing file raises 53 and creates nothing; an open connection
    // raises 3705.
    void Open(const QString &connectionString);
    // Raises 3704 when not open.
    void Close();

    bool isOpen() const { return m_database != nullptr; }
    // Shared with the recordsets, which hold it weakly: closing the
    // connection closes the file for them too.
    std::weak_ptr<Database> database() const { return m_database; }

private:
    std::shared_ptr<Database> m_database;
};

} // namespace db
