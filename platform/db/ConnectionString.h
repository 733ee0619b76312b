#pragma once

#include <QString>

namespace db {

// The "Data Source" of a connection string such as
// "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=C:\x\Kelvo.kdt;": keys are
// matched without regard to case, a value may be quoted. Empty when absent.
QString dataSource(const QString &connectionString);

} // namespace db
