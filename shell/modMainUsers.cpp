#include "platform/core/RuntimeError.h"
#include "platform/db/DuplicateValue.h"
#include "platform/db/ReadOnlyDatabase.h"
#include "platform/db/Variant.h"
#include "platform/forms/Screen.h"
#include "platform/services/ProgramEnd.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/PasswordHash.h"
#include "shell/UserRows.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QDateTime>

namespace modMain {
namespace {

constexpr int Success = -1;

void storeReport(const platform::RuntimeError &error)
{
    modErrors::gErrMsg = modErrors::ErrorReport(error);
}

// Whether stored, the Password of the current row, is password. Users made
// before passwords were hashed have it as typed: it is taken once, exactly,
// and replaced by its hash at once. The learner typed the right password, so
// a hash that cannot be written leaves only its report pending.
bool passwordMatches(db::Recordset &users, const QString &stored, const QString &password)
{
    if (passwords::isHash(stored))
        return passwords::matches(stored, password);
    if (stored != password)
        return false;
    try {
        users.setField(QStringLiteral("Password"), passwords::hash(password));
        users.Update();
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
    }
    return true;
}

} // namespace

QString ConnectionString(const QString &databasePath)
{
    return QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=") + databasePath +
           QStringLiteral(";");
}

void OpenUserDatabase()
{
    gUsersOpenFailure.reset();
    try {
        forms::Screen::setMousePointer(forms::Hourglass);
        gConn = std::make_unique<db::Connection>();
        gConn->Open(ConnectionString(gDbPath));
        gRsUsers = std::make_unique<db::Recordset>();
        gRsUsers->Open(QStringLiteral("select * from UserDetails Order by UserName"), *gConn);
    } catch (const db::ReadOnlyDatabase &error) {
        // Every check reports it: the learner hears why nobody can log in,
        // not that an object is missing.
        storeReport(error);
        gUsersOpenFailure = error;
    } catch (const platform::RuntimeError &error) {
        // Start-up goes on; the next user check meets an error of its own.
        storeReport(error);
    }
    forms::Screen::setMousePointer(forms::DefaultPointer);
}

void CloseDatabaseAndEnd()
{
    // Each step on its own, so a recordset that will not close still lets
    // the connection close; the program ends whatever happens.
    if (gRsUsers) {
        try {
            gRsUsers->Close();
        } catch (const platform::RuntimeError &error) {
            storeReport(error);
        }
        gRsUsers.reset();
    }
    if (gConn) {
        try {
            gConn->Close();
        } catch (const platform::RuntimeError &error) {
            storeReport(error);
        }
        gConn.reset();
    }
    services::EndProgram();
}

int UserExists(const QString &userName)
{
    int result = resources::str::NoSuchUser;
    try {
        db::Recordset &users = userRows::users();
        if (userRows::findUser(users, userName))
            return Success;
        modErrors::gErrMsg = FormatMessage(resources::LoadResString(resources::str::NoSuchUser),
                                           QStringList{userName});
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
    }
    return result;
}

int ValidateUser(const QString &userName, const QString &password)
{
    int result = resources::str::WrongPassword;
    try {
        const int exists = UserExists(userName);
        if (exists != Success)
            return exists;

        db::Recordset &users = userRows::users();
        // Every row of the name is tried: a wrong password on one does not
        // stop the scan.
        for (users.MoveFirst(); !users.Eof(); users.MoveNext()) {
            if (!userRows::sameName(users.Field(QStringLiteral("UserName")), userName))
                continue;
            const db::Variant stored = users.Field(QStringLiteral("Password"));
            if (!stored.isNull() && passwordMatches(users, stored.toString(), password))
                return Success;
        }
        modErrors::gErrMsg = resources::LoadResString(resources::str::WrongPassword);
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
    }
    return result;
}

int AddUser(const QString &userName, const QString &password)
{
    int result = resources::str::AddUserFailed;
    try {
        if (UserExists(userName) == Success) {
            result = resources::str::UserNameTaken;
            modErrors::gErrMsg = FormatMessage(
                resources::LoadResString(resources::str::UserNameTaken), QStringList{userName});
            return result;
        }
        modErrors::gErrMsg.clear();

        db::Recordset &users = userRows::users();
        // Hashed before the new row begins, so a failure leaves no row pending.
        const QString storedPassword = passwords::hash(password);
        users.AddNew();
        users.setField(QStringLiteral("UserName"), userName);
        users.setField(QStringLiteral("Password"), storedPassword);
        users.setField(QStringLiteral("LevelAt"), 1);
        users.setField(QStringLiteral("LastUpdated"), QDateTime::currentDateTime());
        try {
            users.Update();
        } catch (const db::DuplicateValue &error) {
            // Another copy of the program took the name after our snapshot.
            if (!error.columns().contains(QStringLiteral("UserDetails.UserName"),
                                          Qt::CaseInsensitive))
                throw;
            modErrors::gErrMsg = FormatMessage(
                resources::LoadResString(resources::str::UserNameTaken), QStringList{userName});
            return resources::str::UserNameTaken;
        }
        result = Success;
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
    }
    return result;
}

} // namespace modMain
