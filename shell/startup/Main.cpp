// The start-up sequence: users database, splash (which loads the main
// window), the start-up sound, the login, then the main window.
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Forms.h"
#include "shell/dialogs/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "shell/startup/frmSplash.h"

namespace modMain {
namespace {

frmMain &mainWindow()
{
    auto *main = forms::Forms::find<frmMain>(QStringLiteral("frmMain"));
    if (main == nullptr)
        platform::raise(platform::err::ObjectNotSet,
                        QStringLiteral("Object variable or With block variable not set"));
    return *main;
}

} // namespace

void Main()
{
    try {
        gLevel = 0;
        gDbPath = platform::AppPath() + QStringLiteral("\\Kelvo.kdt");
        OpenUserDatabase();

        // Loading the splash loads the main window: all its load work is done
        // before any window shows.
        auto *splash = new frmSplash;
        splash->setDeleteOnUnload(true);
        splash->Load();

        frmMain &main = mainWindow();
        main.IntroSound->setVisible(false);
        main.IntroSound->Open(platform::AppPath() + QStringLiteral("\\sounds\\ohm.mp3"));
        main.IntroSound->Play();

        splash->Show(false);

        auto *login = new frmLogin;
        login->setDeleteOnUnload(true);
        login->Load();
        login->Show(true);
        if (!login->LoginSucceeded) {
            login->Unload();
            splash->Unload();
            CloseDatabaseAndEnd();
        }
        gUserName = login->txtUserName->text();
        login->Unload();
        splash->Unload();

        SetLevel(-1);
        main.EnableDisableMenus(true);
        main.Show(false);
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
}

} // namespace modMain
