#pragma once

#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shell/KeyboardChar.h"
#include "shell/Letter.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The program's spine: start-up and the single end, the users database and
// the user checks, the messages, and the levels with their level databases.
namespace modMain {

// The logged-in user, set once after the login.
extern QString gUserName;
// The practice level; 0 = none, so the stored level applies.
extern int gLevel;
// The level database the readers load from; written only by SetLevel.
extern QString gLevelDbPath;
// The users database file.
extern QString gDbPath;

// Held open from start-up until CloseDatabaseAndEnd.
extern std::unique_ptr<db::Connection> gConn;
extern std::unique_ptr<db::Recordset> gRsUsers;
// Why start-up could not open the users database, kept where every user
// check should report it rather than the missing recordset: a file that
// cannot be written to undo an interrupted write.
extern std::optional<platform::RuntimeError> gUsersOpenFailure;

extern std::vector<Letter> gLetters; // indices 1..gLetterCount (element 0 unused)
extern int gLetterCount;
extern int gCurrentLetter;
extern std::vector<KeyboardChar> gKeyboardChars; // indices 1..gKeyboardCharCount
extern int gKeyboardCharCount;
extern std::vector<KeyboardChar> gNumKeyboardChars; // indices 0..gNumKeyboardCharCount-1
extern int gNumKeyboardCharCount;

// Start-up (shell/startup/Main.cpp).
void Main();

// The connection string every database of the course is opened with.
QString ConnectionString(const QString &databasePath);

void OpenUserDatabase();
// Closes the users database and ends the program; the only way it ends.
[[noreturn]] void CloseDatabaseAndEnd();

// -1 on success, else the string id of the failure with its message pending.
int UserExists(const QString &userName);
int ValidateUser(const QString &userName, const QString &password);
int AddUser(const QString &userName, const QString &password);

QString FormatMessage(const QString &templateText, const QStringList &arguments);
void ShowMessageBox(QWidget *owner, const QString &text, int style);
int GetScreenResolution();

int GetUserLevel(const QString &userName, bool storedOnly);
// What AdvanceUserLevel did; any other result is the number of the error
// that kept the level out of the file, with its report pending.
constexpr int LevelStored = -1;
constexpr int PracticeLevelMoved = 0;
int AdvanceUserLevel(const QString &userName, int newLevel);
// A pass stored for the logged-in learner as AdvanceUserLevel stores it.
// False when it could not be: the report for the learner is then pending, a
// sentence that the pass is not saved before the error's report.
bool StorePass(int newLevel);
// -1 = the effective level.
void SetLevel(int level);
// The number of right answers needed, or -1: every answer must be right.
int GetPassMark();
// The same from a given level database (a window that keeps its own level).
int GetPassMark(const QString &levelDbPath);
// Whether `right` answers out of `questions` pass the mark that GetPassMark
// read: a mark of -1 asks for every answer right.
bool MeetsPassMark(int right, int questions, int passMark);
// Whether the level database holds a pass mark a test of `questions`
// questions can be judged by: an Exam row whose PassMark is a whole number
// from 1 to `questions`. If not, the report is left pending.
bool HasUsablePassMark(const QString &levelDbPath, int questions);
void LoadLetterRecords();
// Whether the key set was read; if not, the report is pending and the set
// read before stays.
bool LoadKeyboardCharSet();
bool LoadNumKeyboardCharSet();
void RefreshMainMenus(bool flag);

// Clears all module state (tests only).
void resetForTests();

} // namespace modMain
