#pragma once

#include "platform/core/RuntimeError.h"

#include <QStringList>

namespace db {

// A row refused because a unique column already holds its value, raised as
// any refusal of the engine is (err::DatabaseError and its message), so that
// a caller may tell which values clashed.
class DuplicateValue final : public platform::RuntimeError
{
public:
    // columns are "Table.Column", as the engine names them.
    DuplicateValue(const QString &message, const QStringList &columns);

    const QStringList &columns() const { return m_columns; }

private:
    QStringList m_columns;
};

} // namespace db
