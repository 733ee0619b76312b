#pragma once

#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "platform/forms/Forms.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/PressEnter.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/WordRowProbe.h"

#include <QAction>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

// A test of a window of word (or number) rows opened from the File menu of
// the main window, with "Asha" logged in: the derived fixture registers the
// windows, writes its levels and then loads main.
template <typename Window> class WordWindowTest : public ::testing::Test
{
protected:
    WordWindowTest()
    {
        modMain::resetForTests();
        modMain::gDbPath = folder.usersDatabase();
        modMain::OpenUserDatabase();
        EXPECT_EQ(modMain::AddUser(QStringLiteral("Asha"), QStringLiteral("secret")), -1);
        modMain::gUserName = QStringLiteral("Asha");
    }

    ~WordWindowTest() override
    {
        delete window.data();
        settle();
        levels::clearWindows();
        modMain::resetForTests();
    }

    // The menu item, with the learner stored at that level.
    Window &openFrom(QAction *item, int stored, const QString &formName)
    {
        EXPECT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, stored), -1);
        modMain::SetLevel(-1);
        main.EnableDisableMenus(true);
        main.Show();
        item->trigger();
        window = forms::Forms::find<Window>(formName);
        EXPECT_NE(window.data(), nullptr);
        return *window;
    }

    // "Start Test", its keypad lit for no time.
    void startTest()
    {
        click(window->cmdStartTest);
        ASSERT_NE(window->keyboard(), nullptr);
        window->keyboard()->setHighlightPause(0);
    }

    // The window active, as the window manager makes it when it comes up.
    void activate() { ASSERT_TRUE(QTest::qWaitForWindowActive(window.data())); }

    // Enter pressed again after the box just answered, which gave the
    // window back its activation: nothing asks, and the window stays open at
    // the question it was at.
    void expectEnterAgainHarmless()
    {
        window->activateWindow();
        activate();
        const int question = window->currentQuestion();
        MessageBoxScript noBoxes;
        pressEnter();
        settle();
        ASSERT_FALSE(window.isNull());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->currentQuestion(), question);
    }

    static void click(QWidget *widget) { wordrows::click(widget); }
    static void settle() { wordrows::settle(); }
    static int storedLevel() { return modMain::GetUserLevel(modMain::gUserName, true); }

    ScreenSizeDouble screen{1024, 768};
    TempProgramFolder folder;
    std::unique_ptr<FakeSoundBackend::Installation> sounds = FakeSoundBackend::install();
    frmMain main;
    QPointer<Window> window;
};
