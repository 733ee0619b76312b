// The level dispatcher: the exercise window of the effective level, shown as
// the level table says, its outcome judged, and the learner led on.
#include "platform/forms/Screen.h"
#include "shell/levels/ExerciseForm.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/levels/LevelTable.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QMenu>

namespace {

const QString NextLevelTag = QStringLiteral("Next Level");

} // namespace

// A level with no window (outside the course, or not built yet) opens
// nothing and leaves the main window as it is: hidden, it would leave the
// learner with no window at all.
void frmMain::RunLevelTest()
{
    const int level = modMain::GetUserLevel(modMain::gUserName, false);
    const levels::LevelRow *row = levels::row(level);
    if (row == nullptr)
        return;
    std::unique_ptr<levels::ExerciseForm> window =
        levels::createWindow(QString::fromLatin1(row->form));
    if (!window)
        return;
    window->levelRow = row;
    Hide();

    if (!row->modal) {
        if (row->numberStage >= 0) {
            window->NumberStage = row->numberStage;
            window->MAX_WORDS = row->maxWords;
        }
        window->Load();
        if (!opened(*window))
            return;
        window->setCaption(QString::fromLatin1(row->caption));
        forms::Screen::setMousePointer(forms::DefaultPointer);
        // The learner closes it; it shows the main window again as it goes.
        window->setDeleteOnUnload(true);
        window.release()->Show(false);
        return;
    }

    window->Load();
    if (!opened(*window))
        return;
    window->setCaption(QString::fromLatin1(row->caption));
    if (row->nextLevelCaption != nullptr)
        window->setNextLevelCaption(QString::fromLatin1(row->nextLevelCaption));
    forms::Screen::setMousePointer(forms::DefaultPointer);
    const int storedBefore = modMain::GetUserLevel(modMain::gUserName, true);
    window->Show(true);

    // A practice that has caught up with the stored level and passed it has
    // stored a new level: it ends there, and the learner goes on as after a
    // pass at their own level.
    if (modMain::GetUserLevel(modMain::gUserName, true) != storedBefore)
        modMain::gLevel = 0;
    // A pass while practising only moves the practice level on, which the
    // window's own store has done; a second store here would skip a level.
    const bool practising = modMain::gLevel != 0;

    const auto unload = [&window](bool exit) {
        window->mblnExit = exit;
        window->mblnDoNotDisplayMsgBox = true;
        window->Unload();
    };
    // The test has stored its pass (or said it could not): a level already
    // in the file is not written again, so a failure is reported once.
    const int storedNow = modMain::GetUserLevel(modMain::gUserName, true);
    switch (row->judging) {
    case levels::Judging::OrderTest:
        if (window->Tag() == NextLevelTag) {
            const bool saved = practising || storedNow == row->storedOnPass ||
                               modMain::StorePass(row->storedOnPass);
            unload(row->exitFlag);
            EnableDisableMenus(true);
            if (!saved)
                modErrors::ShowPendingMessage(this);
            continueAfterPass(row->after);
        } else {
            // Leaving without the next-level button takes back a pass the
            // test stored; while practising there is nothing to take back,
            // and storing the level would lower the learner's own.
            const bool takeBack = row->takesPassBackOnLeaving && !practising && storedNow != level;
            const bool failed = takeBack && modMain::AdvanceUserLevel(modMain::gUserName, level) !=
                                                modMain::LevelStored;
            unload(row->exitFlag);
            MainScreen();
            if (failed)
                modErrors::ShowPendingMessage(this);
        }
        break;
    case levels::Judging::StoredReachesPass: {
        const bool passed = storedNow == row->storedOnPass;
        unload(row->exitFlag);
        if (passed) {
            EnableDisableMenus(true);
            modMain::SetLevel(-1);
        }
        MainScreen();
        break;
    }
    case levels::Judging::OwnPass:
    case levels::Judging::NoTest:
    case levels::Judging::ByWindow:
        unload(row->exitFlag);
        MainScreen();
        break;
    }
}

// A window that could not read what it needs is never shown: the learner
// gets the home screen back, and over it the report.
bool frmMain::opened(levels::ExerciseForm &window)
{
    if (!window.cannotOpen)
        return true;
    window.mblnExit = true;
    window.mblnDoNotDisplayMsgBox = true;
    window.Unload();
    forms::Screen::setMousePointer(forms::DefaultPointer);
    MainScreen();
    Show();
    modErrors::ShowPendingMessage(this);
    return false;
}

void frmMain::continueAfterPass(levels::AfterPass after)
{
    switch (after) {
    case levels::AfterPass::NextLessons:
        modMain::SetLevel(-1);
        RunLevel();
        break;
    case levels::AfterPass::NextTest:
        modMain::SetLevel(-1);
        if (RunLevel())
            RunLevelTest();
        break;
    case levels::AfterPass::InformationScreen:
        modMain::SetLevel(-1);
        MainScreen();
        break;
    case levels::AfterPass::None:
        MainScreen();
        break;
    }
}

void frmMain::ContinueAfterTest()
{
    const levels::LevelRow *stored = levels::row(modMain::GetUserLevel(modMain::gUserName, true));
    if (stored != nullptr && !stored->lessonAfterTest) {
        MainScreen();
        Show();
        return;
    }
    modMain::SetLevel(-1);
    RunLevel();
    Show();
}
