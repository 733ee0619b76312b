#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSPanel.h"
#include "platform/forms/Forms.h"
#include "platform/services/MessageBoxStyle.h"
#include "shell/dialogs/frmAbout.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <set>

namespace {

using MainMenus = MainWindowFixture;

QStringList captions(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

TEST_F(MainMenus, TheMenuTreeIsAsDesigned)
{
    frmMain form;
    form.Load();

    QStringList top;
    QStringList shown;
    for (const QAction *action : form.menuBar->actions()) {
        top.append(action->text());
        if (action->isVisible())
            shown.append(action->text());
    }
    EXPECT_EQ(top, (QStringList{"&File", "&Levels", "&Help"}));
    EXPECT_EQ(shown, (QStringList{"&File", "&Help"}));

    EXPECT_EQ(captions(form.mnuFile),
              (QStringList{"Exercise &1 - Alphabet", "Exercise &2 - Listening",
                           "Exercise &3 - Spelling", "Exercise &4 - Vowles",
                           "Exercise &5 - Listening Vowles", "Exercise &6 - Full Alphabets",
                           "Exercise &7 - Numbers", "Exercise &8 - Maths", "-", "E&xit"}));
    EXPECT_EQ(captions(form.mnuFileExercise1),
              (QStringList{"Level 1", "Level 2", "Level 3", "Level 4", "Level 5", "Level 6",
                           "Level 7", "Level 8"}));
    EXPECT_EQ(captions(form.mnuFileExercise7),
              (QStringList{"Level 1 (1-10)", "Level 2 (1-20)", "Level 3 (21-40)", "Level 4 (41-60)",
                           "Level 5 (61-80)", "Level 6 (81-100)", "Level 7 (1-100)"}));
    EXPECT_EQ(captions(form.mnuFileExercise8),
              (QStringList{"Level 1 (Plus)", "Level 2 (Minus)", "Level 3 (Mulitplication)",
                           "Level 4 (Division)", "Level 5 (All)"}));
    EXPECT_EQ(captions(form.mnuLevel).size(), 10);
    EXPECT_EQ(captions(form.mnuLevel).last(), QStringLiteral("Level 10"));
    EXPECT_EQ(captions(form.mnuHelp),
              (QStringList{"&Send Feedback", "Check for Updates", "&About"}));

    EXPECT_EQ(form.mnuFileItem[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(form.mnuHelpItem[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_FALSE(form.mnuLevel->menuAction()->isVisible());
    for (const QAction *item : form.mnuLevelItem)
        EXPECT_TRUE(item->isEnabled());
}

TEST_F(MainMenus, AtDesignOnlyTheAlphabetSubmenuExitAndHelpAreEnabled)
{
    frmMain form;
    form.Load();
    EXPECT_TRUE(form.mnuFileExercise1->menuAction()->isEnabled());
    for (QAction *item : form.mnuFileExercise1Item)
        EXPECT_FALSE(item->isEnabled());
    for (QAction *item : {form.mnuFileExercise2, form.mnuFileExercise3, form.mnuFileExercise4,
                          form.mnuFileExercise5, form.mnuFileExercise6,
                          form.mnuFileExercise7->menuAction(), form.mnuFileExercise8->menuAction()})
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    EXPECT_TRUE(form.mnuFileItem[2]->isEnabled());
    for (QAction *item : form.mnuHelpItem)
        EXPECT_TRUE(item->isEnabled());
}

// The exercise entries enabled for a stored level, by caption path.
std::set<QString> enabledExercises(const frmMain &form)
{
    std::set<QString> result;
    const auto add = [&result](const QString &prefix, const QMenu *menu) {
        for (const QAction *action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator())
                result.insert(prefix + action->text());
        }
    };
    for (const QAction *action : form.mnuFile->actions()) {
        if (action->isEnabled() && action != form.mnuFileItem[1] && action != form.mnuFileItem[2])
            result.insert(action->text());
    }
    add(QStringLiteral("1/"), form.mnuFileExercise1);
    add(QStringLiteral("7/"), form.mnuFileExercise7);
    add(QStringLiteral("8/"), form.mnuFileExercise8);
    return result;
}

std::set<QString> expectedExercises(int stored)
{
    std::set<QString> result{QStringLiteral("Exercise &1 - Alphabet")};
    const int level = std::min(stored, 25);
    for (int i = 1; i <= std::min(level, 8); ++i)
        result.insert(QStringLiteral("1/Level %1").arg(i));
    const QStringList singles = {"Exercise &2 - Listening", "Exercise &3 - Spelling",
                                 "Exercise &4 - Vowles", "Exercise &5 - Listening Vowles",
                                 "Exercise &6 - Full Alphabets"};
    for (int l = 9; l <= std::min(level, 13); ++l)
        result.insert(singles[l - 9]);
    const QStringList numbers = {"Level 1 (1-10)",  "Level 2 (1-20)",  "Level 3 (21-40)",
                                 "Level 4 (41-60)", "Level 5 (61-80)", "Level 6 (81-100)",
                                 "Level 7 (1-100)"};
    if (level >= 14) {
        result.insert(QStringLiteral("Exercise &7 - Numbers"));
        for (int l = 14; l <= std::min(level, 20); ++l)
            result.insert(QStringLiteral("7/") + numbers[l - 14]);
    }
    const QStringList maths = {"Level 1 (Plus)", "Level 2 (Minus)", "Level 3 (Mulitplication)",
                               "Level 4 (Division)", "Level 5 (All)"};
    if (level >= 21) {
        result.insert(QStringLiteral("Exercise &8 - Maths"));
        for (int l = 21; l <= level; ++l)
            result.insert(QStringLiteral("8/") + maths[l - 21]);
    }
    return result;
}

class MenusByLevel : public MainWindowFixture, public ::testing::WithParamInterface<int>
{};

TEST_P(MenusByLevel, EnableEveryItemUpToTheStoredLevelAndNoOther)
{
    const int stored = GetParam();
    storeLevel(stored);
    frmMain form;
    form.Load();
    form.EnableDisableMenus(true);
    EXPECT_EQ(enabledExercises(form), expectedExercises(stored));
}

INSTANTIATE_TEST_SUITE_P(StoredLevels, MenusByLevel,
                         ::testing::Values(1, 8, 9, 13, 14, 20, 21, 25, 26));

TEST_F(MainMenus, SpotChecksOfTheLevelTable)
{
    storeLevel(14);
    frmMain form;
    form.Load();
    form.EnableDisableMenus(true);
    EXPECT_TRUE(form.mnuFileExercise6->isEnabled());
    EXPECT_TRUE(form.mnuFileExercise7->menuAction()->isEnabled());
    EXPECT_TRUE(form.mnuFileExercise7Item[0]->isEnabled());
    EXPECT_FALSE(form.mnuFileExercise7Item[1]->isEnabled());
    EXPECT_FALSE(form.mnuFileExercise8->menuAction()->isEnabled());
}

TEST_F(MainMenus, TheMenusFollowTheStoredLevelNotThePracticeLevel)
{
    storeLevel(8);
    modMain::gLevel = 3;
    frmMain form;
    form.Load();
    form.EnableDisableMenus(true);
    EXPECT_TRUE(form.mnuFileExercise1Item[7]->isEnabled());
    EXPECT_FALSE(form.mnuFileExercise2->isEnabled());
}

TEST_F(MainMenus, EnabledItemsStayEnabledWhenTheLevelReadsLower)
{
    storeLevel(10);
    frmMain form;
    form.Load();
    form.EnableDisableMenus(true);
    // A user row that no longer matches reads as level 1: nothing is taken away.
    modMain::gUserName = QStringLiteral("nobody");
    form.EnableDisableMenus(true);
    EXPECT_TRUE(form.mnuFileExercise3->isEnabled());
    EXPECT_TRUE(form.mnuFileExercise1Item[7]->isEnabled());
}

TEST_F(MainMenus, TheHelpNoticesAreOkOnlyBoxesWithoutAnIcon)
{
    frmMain form;
    form.Show();
    MessageBoxScript boxes;
    boxes.expect(QStringLiteral("@example.org"), services::MessageBoxStyle::OkOnly,
                 services::MessageBoxAnswer::Ok);
    boxes.expect(QStringLiteral("example.org"), services::MessageBoxStyle::OkOnly,
                 services::MessageBoxAnswer::Ok);
    form.mnuHelpItem[0]->trigger();
    form.mnuHelpItem[1]->trigger();
    EXPECT_EQ(boxes.pending(), 0);
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown()[0].owner, &form);
    EXPECT_NE(boxes.shown()[0].text, boxes.shown()[1].text);
    EXPECT_TRUE(boxes.shown()[1].text.contains(QStringLiteral("www.example.org")));
}

TEST_F(MainMenus, CtrlXEndsTheProgramWithoutAQuestion)
{
    frmMain form;
    form.Show();
    QApplication::setActiveWindow(&form);
    // The locked information text has the focus and must not take the shortcut.
    form.txtInformation->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form, 2000));
    ASSERT_TRUE(form.txtInformation->hasFocus());
    MessageBoxScript noBoxes;
    ProgramEndCatcher end;
    EXPECT_THROW(QTest::keyClick(&form, Qt::Key_X, Qt::ControlModifier), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
    EXPECT_EQ(modMain::gConn, nullptr);
}

TEST_F(MainMenus, CtrlAOpensTheAboutDialogModallyAndUnloadsItAfterwards)
{
    ModalWatchdog watchdog;
    frmMain form;
    form.Show();
    QApplication::setActiveWindow(&form);
    form.txtInformation->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form, 2000));
    ASSERT_TRUE(form.txtInformation->hasFocus());
    bool aboutWasModal = false;
    WhenModal about([&aboutWasModal](QWidget *modal) {
        auto *dialog = qobject_cast<frmAbout *>(modal);
        ASSERT_NE(dialog, nullptr);
        aboutWasModal = dialog->isModal() && dialog->isVisible();
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(about.done());
    EXPECT_TRUE(aboutWasModal);
    EXPECT_EQ(forms::Forms::find(QStringLiteral("frmAbout")), nullptr);
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MainMenus, ExitFromTheFileMenuEndsTheProgram)
{
    frmMain form;
    form.Load();
    ProgramEndCatcher end;
    EXPECT_THROW(form.mnuFileItem[2]->trigger(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
}

} // namespace
