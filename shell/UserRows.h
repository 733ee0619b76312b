#pragma once

#include <QString>

namespace db {
class Recordset;
class Variant;
} // namespace db

// How the users recordset is searched: user names are the same when they are
// equal upper-cased, so "anya" finds the row of "Anya".
namespace modMain::userRows {

// The users recordset; when start-up could not open it, the open's failure
// kept in gUsersOpenFailure, else run-time error 91.
db::Recordset &users();

bool sameName(const db::Variant &storedName, const QString &userName);

// Moves to the first row of userName; false (at the end) when there is none.
// An empty recordset is not an error here.
bool findUser(db::Recordset &users, const QString &userName);

} // namespace modMain::userRows
