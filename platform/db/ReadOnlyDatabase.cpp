#include "platform/db/ReadOnlyDatabase.h"

#include <QFileInfo>

namespace db {

// Begins with the engine's own words for a write refused on a read-only
// file, so the learner reads the same report as for any other such write.
ReadOnlyDatabase::ReadOnlyDatabase(const QString &localFile, const QString &journal)
    : RuntimeError(platform::err::DatabaseError,
                   QStringLiteral("attempt to write a readonly database: %1 cannot be opened for "
                                  "writing to undo the write interrupted in %2")
                       .arg(QFileInfo(localFile).fileName(), QFileInfo(journal).fileName()))
{}

} // namespace db
