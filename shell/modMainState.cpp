#include "shell/modErrors.h"
#include "shell/modMain.h"

namespace modMain {

QString gUserName;
int gLevel = 0;
QString gLevelDbPath;
QString gDbPath;

std::unique_ptr<db::Connection> gConn;
std::unique_ptr<db::Recordset> gRsUsers;
std::optional<platform::RuntimeError> gUsersOpenFailure;

std::vector<Letter> gLetters;
int gLetterCount = 0;
int gCurrentLetter = 0;
std::vector<KeyboardChar> gKeyboardChars;
int gKeyboardCharCount = 0;
std::vector<KeyboardChar> gNumKeyboardChars;
int gNumKeyboardCharCount = 0;

void resetForTests()
{
    gRsUsers.reset();
    gConn.reset();
    gUsersOpenFailure.reset();
    gUserName.clear();
    gLevel = 0;
    gLevelDbPath.clear();
    gDbPath.clear();
    gLetters.clear();
    gLetterCount = 0;
    gCurrentLetter = 0;
    gKeyboardChars.clear();
    gKeyboardCharCount = 0;
    gNumKeyboardChars.clear();
    gNumKeyboardCharCount = 0;
    modErrors::gErrMsg.clear();
}

} // namespace modMain
