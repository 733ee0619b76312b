#pragma once

#include "platform/core/RuntimeError.h"

namespace db {

// A file that must be written before it can be read, and may not be: a write
// killed half-way left its journal beside it, and undoing that write is
// refused because the file, the journal or their folder is read-only. Raised
// as any refusal of the engine is (err::DatabaseError), so that a caller may
// tell it from a file that is no database.
class ReadOnlyDatabase final : public platform::RuntimeError
{
public:
    ReadOnlyDatabase(const QString &localFile, const QString &journal);
};

} // namespace db
