#include "platform/db/Connection.h"

#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/Database.h"

namespace db {

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::Open(const QString &connectionString)
{
    if (isOpen())
        platform::raise(platform::err::AlreadyOpen,
                        QStringLiteral("Operation is not allowed when the object is open."));
    const QString source = dataSource(connectionString);
    if (source.isEmpty())
        raiseDatabaseError(QStringLiteral("The connection string names no Data Source."));
    m_database = Database::openExisting(platform::localPath(source));
}

void Connection::Close()
{
    if (!isOpen())
        platform::raise(platform::err::ObjectClosed);
    m_database.reset();
}

} // namespace db
