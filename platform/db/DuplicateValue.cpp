#include "platform/db/DuplicateValue.h"

namespace db {

DuplicateValue::DuplicateValue(const QString &message, const QStringList &columns)
    : RuntimeError(platform::err::DatabaseError, message)
    , m_columns(columns)
{}

} // namespace db
