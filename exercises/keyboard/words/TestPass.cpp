#include "exercises/keyboard/words/TestPass.h"

#include "platform/services/MessageBoxStyle.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QString>

namespace words {

void showScore(QWidget *owner, int score, int questions)
{
    modMain::ShowMessageBox(owner,
                            QStringLiteral("You got ") + QString::number(score) +
                                QStringLiteral(" out of ") + QString::number(questions),
                            services::MessageBoxStyle::Information);
}

bool storePass(QWidget *owner, int ownLevel)
{
    const int stored = modMain::GetUserLevel(modMain::gUserName, true);
    if (stored > ownLevel || stored > modMain::GetUserLevel(modMain::gUserName, false))
        return false;
    if (!modMain::StorePass(0)) {
        modErrors::ShowPendingMessage(owner);
        return false;
    }
    modMain::RefreshMainMenus(true);
    modMain::SetLevel(-1);
    return true;
}

} // namespace words
