#pragma once

#include "platform/db/Variant.h"

namespace db {

// What a column holds, from its declared type, so that values keep the types
// the course expects whatever SQLite's loose typing would allow.
enum class ColumnKind
{
    Any,     // no declared type (an expression): the stored value as it is
    Integer, // SMALLINT: the course's 16-bit Integer
    Long,    // any other integer type
    Real,
    Text,
    DateTime, // stored as ISO-8601 text
};

ColumnKind kindOfDeclaredType(const QString &declaredType);

// A value about to be written, converted to what the column holds; raises 13
// or 6 as the run time would on such an assignment.
Variant toStored(ColumnKind kind, const Variant &value);

// A value as SQLite gave it, read as the column's kind.
Variant fromStored(ColumnKind kind, const Variant &stored);

} // namespace db
