#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace db {
class Database;
}

// Another copy of the program in the middle of a write: an exclusive lock on
// a database file, taken on a connection of its own when this is made and
// released from a thread after the given time. The destructor waits for the
// release.
class HeldWriteLock final
{
public:
    HeldWriteLock(const QString &localFile, std::chrono::milliseconds hold);
    ~HeldWriteLock();
    Q_DISABLE_COPY_MOVE(HeldWriteLock)

    bool released() const { return m_released; }

private:
    std::unique_ptr<db::Database> m_database;
    std::atomic<bool> m_released{false};
    std::thread m_release;
};
