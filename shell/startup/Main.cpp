// The start-up sequence: users database, the splash, the login, then the
// main window. The main window is built and its start-up sound started while
// the login is on the screen, before the login takes any input.
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Forms.h"
#include "shell/dialogs/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "shell/startup/AfterFirstPaint.h"
#include "shell/startup/frmSplash.h"

#include <QCoreApplication>

#include <exception>

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

// Loads the main window, hidden, and starts its start-up sound. Nobody holds
// the window: it lives until the program ends, and one that is loaded
// already is left as it is.
void loadMainWindow()
{
    auto *main = forms::Forms::find<frmMain>(QStringLiteral("frmMain"));
    if (main == nullptr) {
        main = new frmMain;
        main->setDeleteOnUnload(true);
    }
    main->Load();

    main->IntroSound->setVisible(false);
    main->IntroSound->Open(platform::AppPath() + QStringLiteral("\\sounds\\ohm.mp3"));
    main->IntroSound->Play();
}

} // namespace

void Main()
{
    try {
        gLevel = 0;
        gDbPath = platform::AppPath() + QStringLiteral("\\Kelvo.kdt");
        OpenUserDatabase();

        auto *splash = new frmSplash;
        splash->setDeleteOnUnload(true);
        splash->Load();
        splash->Show(false);

        auto *login = new frmLogin;
        login->setDeleteOnUnload(true);
        login->Load();
        // The splash paints as soon as the window system has put it up, which
        // it may have done while the login was made.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // Building the main window takes longer than showing the splash and
        // the login: it is done once they are on the screen, and before the
        // login can be answered. A failure there ends the login and the start-up.
        std::exception_ptr failure;
        shell::AfterFirstPaint mainWindowLoaded(*login, [&failure, login] {
            try {
                loadMainWindow();
            } catch (...) {
                failure = std::current_exception();
                login->Hide();
            }
        });
        login->Show(true);
        mainWindowLoaded.runNow();
        if (failure)
            std::rethrow_exception(failure);

        frmMain &main = mainWindow();
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
