// The main window's menu bar, the rule that enables its items by the stored
// level, the exercise choices with the practice level, and the File-menu exit
// and the Help menu.
#include "platform/services/MessageBoxStyle.h"
#include "shell/Guarded.h"
#include "shell/dialogs/frmAbout.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/levels/LevelTable.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

QString feedbackNotice()
{
    return QStringLiteral(
        "We would like to hear what you think of this course, what you liked and what "
        "we could make better.\r\n\r\n"
        "Please write to the course co-ordinator at course@example.org, or to the "
        "technical team at support@example.org.");
}

QString updatesNotice()
{
    return QStringLiteral(
        "Updates of this course are published on our web site, www.example.org.\r\n\r\n"
        "Choose \"Downloads\" in the menu of the site to find the latest version.");
}

} // namespace

QAction *frmMain::addExerciseItem(QMenu *menu, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setEnabled(false);
    return item;
}

void frmMain::createMenus()
{
    menuBar = new QMenuBar(this);

    mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuFileExercise1 = mnuFile->addMenu(QStringLiteral("Exercise &1 - Alphabet"));
    for (int i = 0; i < int(mnuFileExercise1Item.size()); ++i) {
        mnuFileExercise1Item[i] =
            addExerciseItem(mnuFileExercise1, QStringLiteral("Level %1").arg(i + 1));
    }
    mnuFileExercise2 = addExerciseItem(mnuFile, QStringLiteral("Exercise &2 - Listening"));
    mnuFileExercise3 = addExerciseItem(mnuFile, QStringLiteral("Exercise &3 - Spelling"));
    mnuFileExercise4 = addExerciseItem(mnuFile, QStringLiteral("Exercise &4 - Vowles"));
    mnuFileExercise5 = addExerciseItem(mnuFile, QStringLiteral("Exercise &5 - Listening Vowles"));
    mnuFileExercise6 = addExerciseItem(mnuFile, QStringLiteral("Exercise &6 - Full Alphabets"));

    mnuFileExercise7 = mnuFile->addMenu(QStringLiteral("Exercise &7 - Numbers"));
    mnuFileExercise7->menuAction()->setEnabled(false);
    const QStringList numbers = {
        QStringLiteral("Level 1 (1-10)"),  QStringLiteral("Level 2 (1-20)"),
        QStringLiteral("Level 3 (21-40)"), QStringLiteral("Level 4 (41-60)"),
        QStringLiteral("Level 5 (61-80)"), QStringLiteral("Level 6 (81-100)"),
        QStringLiteral("Level 7 (1-100)"),
    };
    for (int i = 0; i < int(mnuFileExercise7Item.size()); ++i)
        mnuFileExercise7Item[i] = addExerciseItem(mnuFileExercise7, numbers[i]);

    mnuFileExercise8 = mnuFile->addMenu(QStringLiteral("Exercise &8 - Maths"));
    mnuFileExercise8->menuAction()->setEnabled(false);
    const QStringList maths = {
        QStringLiteral("Level 1 (Plus)"),
        QStringLiteral("Level 2 (Minus)"),
        QStringLiteral("Level 3 (Mulitplication)"),
        QStringLiteral("Level 4 (Division)"),
        QStringLiteral("Level 5 (All)"),
    };
    for (int i = 0; i < int(mnuFileExercise8Item.size()); ++i)
        mnuFileExercise8Item[i] = addExerciseItem(mnuFileExercise8, maths[i]);
    connectExerciseItems();

    mnuFileItem[1] = mnuFile->addSeparator();
    mnuFileItem[2] = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuFileItem[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(mnuFileItem[2], &QAction::triggered, this, [this] { mnuFileItem_Click(2); });

    // Part of the window's design but never shown and without shortcuts, so its
    // items cannot be chosen: nothing is connected to them.
    mnuLevel = menuBar->addMenu(QStringLiteral("&Levels"));
    for (int i = 0; i < int(mnuLevelItem.size()); ++i)
        mnuLevelItem[i] = mnuLevel->addAction(QStringLiteral("Level %1").arg(i + 1));
    mnuLevel->menuAction()->setVisible(false);

    mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelpItem[0] = mnuHelp->addAction(QStringLiteral("&Send Feedback"));
    mnuHelpItem[1] = mnuHelp->addAction(QStringLiteral("Check for Updates"));
    mnuHelpItem[2] = mnuHelp->addAction(QStringLiteral("&About"));
    mnuHelpItem[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    for (int i = 0; i < int(mnuHelpItem.size()); ++i)
        connect(mnuHelpItem[i], &QAction::triggered, this, [this, i] { mnuHelpItem_Click(i); });
}

void frmMain::EnableDisableMenus(bool vblnEnableDisable)
{
    const bool flag = vblnEnableDisable;
    int stored = modMain::GetUserLevel(modMain::gUserName, true);
    if (stored < 1)
        return;
    // A learner who has passed the last level keeps the whole course open
    // to practise.
    stored = std::min(stored, levels::LevelCount);

    SetLevelItems(std::min(stored, int(mnuFileExercise1Item.size())), flag);
    for (int level = int(mnuFileExercise1Item.size()) + 1; level <= stored; ++level) {
        const levels::MenuItem item = levels::row(level)->menu;
        // A submenu opens with its first level.
        if (item.item == 0) {
            QMenu *const submenu = item.exercise == 7 ? mnuFileExercise7 : mnuFileExercise8;
            submenu->menuAction()->setEnabled(flag);
        }
        menuItem(item)->setEnabled(flag);
    }
}

QAction *frmMain::menuItem(levels::MenuItem item) const
{
    switch (item.exercise) {
    case 1:
        return mnuFileExercise1Item[size_t(item.item)];
    case 2:
        return mnuFileExercise2;
    case 3:
        return mnuFileExercise3;
    case 4:
        return mnuFileExercise4;
    case 5:
        return mnuFileExercise5;
    case 6:
        return mnuFileExercise6;
    case 7:
        return mnuFileExercise7Item[size_t(item.item)];
    default:
        return mnuFileExercise8Item[size_t(item.item)];
    }
}

void frmMain::SetLevelItems(int count, bool flag)
{
    const int last = std::min(count, int(mnuFileExercise1Item.size()));
    for (int i = 0; i < last; ++i)
        mnuFileExercise1Item[i]->setEnabled(flag);
}

// Each exercise item opens its level through the level table.
void frmMain::connectExerciseItems()
{
    for (const levels::LevelRow &row : levels::Table) {
        connect(menuItem(row.menu), &QAction::triggered, this,
                [this, level = row.level] { guarded([this, level] { chooseLevel(level); }); });
    }
}

// The start shared by every exercise choice, then the choice's own calls.
// The practice level is set only when the learner goes back below the
// stored level; either way the level database is the chosen level's. A
// level whose window is not there yet opens nothing.
void frmMain::chooseLevel(int level)
{
    const levels::LevelRow &row = *levels::row(level);
    const bool lesson = row.menuCalls == levels::MenuCalls::Lesson;
    if (!lesson && !levels::hasWindow(QString::fromLatin1(row.form)))
        return;

    modMain::gLevel = 0;
    WaitForIntroEnd();
    if (row.menuHides)
        Hide();
    const int stored = modMain::GetUserLevel(modMain::gUserName, true);
    const bool own = row.ownLevel == levels::OwnLevel::Equal ? stored == level : stored <= level;
    if (own) {
        modMain::SetLevel(-1);
    } else {
        modMain::gLevel = level;
        modMain::SetLevel(level);
    }

    switch (row.menuCalls) {
    case levels::MenuCalls::Lesson:
        RunLevel();
        break;
    // A lesson that could not be read has reported it; its test, on the
    // same level database, would only report it again.
    case levels::MenuCalls::LessonTestShow:
        if (RunLevel())
            RunLevelTest();
        Show();
        break;
    case levels::MenuCalls::LessonTestMainScreen:
        if (RunLevel())
            RunLevelTest();
        MainScreen();
        break;
    case levels::MenuCalls::TestShow:
        RunLevelTest();
        Show();
        break;
    case levels::MenuCalls::TestMainScreen:
        RunLevelTest();
        MainScreen();
        break;
    case levels::MenuCalls::Test:
        RunLevelTest();
        break;
    }
}

void frmMain::mnuFileItem_Click(int Index)
{
    guarded([Index] {
        if (Index == 2)
            modMain::CloseDatabaseAndEnd();
    });
}

void frmMain::mnuHelpItem_Click(int Index)
{
    guarded([this, Index] {
        switch (Index) {
        case 0:
            modMain::ShowMessageBox(this, feedbackNotice(), services::MessageBoxStyle::OkOnly);
            break;
        case 1:
            modMain::ShowMessageBox(this, updatesNotice(), services::MessageBoxStyle::OkOnly);
            break;
        case 2: {
            frmAbout about;
            about.Load();
            about.Show(true);
            about.Unload();
            break;
        }
        default:
            break;
        }
    });
}
