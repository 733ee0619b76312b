#include "shell/startup/RunProgram.h"

#include "platform/forms/Form.h"
#include "platform/forms/Forms.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/Icons.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QApplication>

namespace shell {

int runProgram(QApplication &app)
{
    // Closing a window never ends the program; CloseDatabaseAndEnd does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(resources::applicationIcon());

    modMain::Main();

    // A start-up that stopped on an error leaves no window to end the program
    // from: say why, and end.
    const forms::Form *mainWindow = forms::Forms::find(QStringLiteral("frmMain"));
    if (mainWindow == nullptr || !mainWindow->isVisible()) {
        if (!modErrors::gErrMsg.isEmpty())
            modMain::ShowMessageBox(nullptr, modErrors::gErrMsg,
                                    services::MessageBoxStyle::Exclamation);
        modMain::CloseDatabaseAndEnd();
    }
    return app.exec();
}

} // namespace shell
