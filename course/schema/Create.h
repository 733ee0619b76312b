#pragma once

#include <QString>

namespace schema {

// A new users database (table UserDetails, no rows) or level database (every
// table the course reads, no rows) at a local path. Refuses a file that
// exists, so a users file is never replaced; the file appears whole or not at
// all. Failures raise platform::RuntimeError naming the path and the reason.
void createUsersDatabase(const QString &path);
void createLevelDatabase(const QString &path);

} // namespace schema
