#include "tests/support/HeldWriteLock.h"

#include "platform/core/RuntimeError.h"
#include "platform/db/Database.h"

HeldWriteLock::HeldWriteLock(const QString &localFile, std::chrono::milliseconds hold)
    : m_database(db::Database::openExisting(localFile))
{
    // Exclusive, not reserved: readers are shut out too, as while another
    // copy commits.
    m_database->exec(QStringLiteral("BEGIN EXCLUSIVE"));
    m_release = std::thread([this, hold] {
        std::this_thread::sleep_for(hold);
        try {
            m_database->exec(QStringLiteral("COMMIT"));
        } catch (const platform::RuntimeError &) {
            // Closing the handle below releases the lock all the same.
        }
        m_released = true;
    });
}

HeldWriteLock::~HeldWriteLock()
{
    m_release.join();
}
