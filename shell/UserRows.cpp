#include "shell/UserRows.h"

#include "platform/core/RuntimeError.h"
#include "platform/db/Recordset.h"
#include "shell/modMain.h"

namespace modMain::userRows {

db::Recordset &users()
{
    if (!gRsUsers && gUsersOpenFailure)
        throw *gUsersOpenFailure;
    if (!gRsUsers)
        platform::raise(platform::err::ObjectNotSet);
    return *gRsUsers;
}

bool sameName(const db::Variant &storedName, const QString &userName)
{
    // A null name (which the table does not allow) matches nothing.
    return !storedName.isNull() && storedName.toString().toUpper() == userName.toUpper();
}

bool findUser(db::Recordset &users, const QString &userName)
{
    if (users.RecordCount() == 0)
        return false;
    for (users.MoveFirst(); !users.Eof(); users.MoveNext()) {
        if (sameName(users.Field(QStringLiteral("UserName")), userName))
            return true;
    }
    return false;
}

} // namespace modMain::userRows
