#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Form.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Screen.h"
#include "platform/services/AppTitle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/UserRows.h"
#include "shell/levels/LevelTable.h"
#include "shell/mainwindow/MainMenus.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace modMain {
namespace {

void storeReport(const platform::RuntimeError &error)
{
    modErrors::gErrMsg = modErrors::ErrorReport(error);
}

// A stored level outside the course (written by hand or by another tool) is
// read as the nearest level of the course, and a value that is no number as
// the first level; it is written back only with the next pass.
int courseLevel(const db::Variant &stored)
{
    if (stored.isNull())
        return 1;
    bool number = false;
    const double value = stored.toString().trimmed().toDouble(&number);
    if (!number || std::isnan(value))
        return 1;
    return int(std::lround(std::clamp(value, 1.0, double(levels::CourseDone))));
}

QString levelDatabasePath(int level)
{
    return platform::ProgramPath(QStringLiteral("\\levels\\level") + QString::number(level) +
                                 QStringLiteral(".kdt"));
}

} // namespace

int GetUserLevel(const QString &userName, bool storedOnly)
{
    if (!storedOnly && gLevel != 0)
        return gLevel;
    int result = 1;
    try {
        db::Recordset &users = userRows::users();
        if (userRows::findUser(users, userName))
            result = courseLevel(users.Field(QStringLiteral("LevelAt")));
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
    }
    return result;
}

int AdvanceUserLevel(const QString &userName, int newLevel)
{
    int result = PracticeLevelMoved;
    try {
        const int stored = GetUserLevel(gUserName, true);
        if (gLevel >= stored || gLevel < 1) {
            result = LevelStored;
            db::Recordset &users = userRows::users();
            if (!userRows::findUser(users, userName)) {
                // Users are never deleted, so this is a name nobody created:
                // nothing is written and the caller hears it as a failed check.
                modErrors::gErrMsg = FormatMessage(
                    resources::LoadResString(resources::str::NoSuchUser), QStringList{userName});
                return resources::str::NoSuchUser;
            }
            const int level =
                newLevel == 0 ? courseLevel(users.Field(QStringLiteral("LevelAt"))) + 1 : newLevel;
            users.setField(QStringLiteral("LevelAt"), level);
            users.setField(QStringLiteral("LastUpdated"), QDateTime::currentDateTime());
            users.Update();
        } else {
            // Practice walks up to the stored level one pass at a time and
            // never writes.
            ++gLevel;
        }
    } catch (const platform::RuntimeError &error) {
        // Only the store can fail, and a pass that is not in the file must
        // not be taken for one that is.
        storeReport(error);
        result = error.number();
    }
    return result;
}

bool StorePass(int newLevel)
{
    const int result = AdvanceUserLevel(gUserName, newLevel);
    if (result == LevelStored || result == PracticeLevelMoved)
        return true;
    modErrors::gErrMsg = QStringLiteral("Your pass could not be saved, so this level will have to "
                                        "be passed again.\r\r") +
                         modErrors::gErrMsg;
    return false;
}

void SetLevel(int level)
{
    try {
        if (level == -1)
            level = GetUserLevel(gUserName, false);
        gLevelDbPath = levelDatabasePath(level);
        if (forms::Form *main = forms::Forms::find(QStringLiteral("frmMain")))
            main->setCaption(services::AppTitle());
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
    }
}

int GetPassMark()
{
    return GetPassMark(gLevelDbPath);
}

int GetPassMark(const QString &levelDbPath)
{
    int result = -1;
    try {
        forms::Screen::setMousePointer(forms::Hourglass);
        db::Connection connection;
        connection.Open(ConnectionString(levelDbPath));
        db::Recordset exam;
        exam.Open(QStringLiteral("select * from Exam Order by ID"), connection);
        // An empty table fails at the move: every answer must then be right.
        exam.MoveFirst();
        result = exam.Field(QStringLiteral("PassMark")).toInteger();
        exam.Close();
        connection.Close();
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
    }
    forms::Screen::setMousePointer(forms::DefaultPointer);
    return result;
}

bool MeetsPassMark(int right, int questions, int passMark)
{
    return passMark == -1 ? right == questions : right >= passMark;
}

bool HasUsablePassMark(const QString &levelDbPath, int questions)
{
    try {
        db::Connection connection;
        connection.Open(ConnectionString(levelDbPath));
        db::Recordset exam;
        exam.Open(QStringLiteral("select * from Exam Order by ID"), connection);
        exam.MoveFirst();
        const db::Variant mark = exam.Field(QStringLiteral("PassMark"));
        exam.Close();
        connection.Close();
        bool whole = false;
        const int value = mark.isNull() ? 0 : mark.toString().trimmed().toInt(&whole);
        if (!whole || value < 1 || value > questions) {
            modErrors::ReportBadData(
                QStringLiteral("The pass mark of this level is \"%1\"; it must be a number "
                               "from 1 to %2.")
                    .arg(mark.isNull() ? QStringLiteral("Null") : mark.toString())
                    .arg(questions));
            return false;
        }
        return true;
    } catch (const platform::RuntimeError &error) {
        storeReport(error);
        return false;
    }
}

void RefreshMainMenus(bool flag)
{
    if (auto *menus = dynamic_cast<MainMenus *>(forms::Forms::find(QStringLiteral("frmMain"))))
        menus->EnableDisableMenus(flag);
}

} // namespace modMain
