#include "exercises/keyboard/words/TestPass.h"

#include "shell/modMain.h"

namespace words {

bool passes(int score, int questions, int passMark)
{
    return passMark == -1 ? score == questions : score >= passMark;
}

bool storePass(int ownLevel)
{
    const int stored = modMain::GetUserLevel(modMain::gUserName, true);
    if (stored > ownLevel || stored > modMain::GetUserLevel(modMain::gUserName, false))
        return false;
    modMain::AdvanceUserLevel(modMain::gUserName, 0);
    modMain::RefreshMainMenus(true);
    modMain::SetLevel(-1);
    return true;
}

} // namespace words
