// A learner goes from the information screen into a lesson and back, again
// and again, through the menus as they click them.
#include "platform/controls/AniGif.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/TracingBox.h"
#include "platform/core/Paths.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBoxStyle.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/shell/LessonLevels.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/ScriptedExercise.h"
#include "tests/support/TitleBarClose.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <functional>

namespace {

// Where the information screen stands in the window.
struct Face
{
    QRect bar;
    int panelTop = 0;
    QSize client;
};

Face faceOf(const frmMain &form)
{
    return {form.menuBar->geometry(), form.ssPnlInfo->mapTo(&form, QPoint(0, 0)).y(), form.size()};
}

void click(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void click(QWidget *widget)
{
    click(widget, widget->rect().center());
}

class RoundTrip : public MainWindowFixture
{
protected:
    RoundTrip()
    {
        for (int level : {1, 3, 8, 9})
            addLessonLetters(folder, level);
        addInformationAnimations(folder);
    }

    // The window as Main leaves it after the login.
    void logIn(frmMain &form, int stored)
    {
        storeLevel(stored);
        modMain::SetLevel(-1);
        form.Load();
        form.EnableDisableMenus(true);
        form.Show();
        QApplication::processEvents();
    }

    // A click on the File title, through the window as the learner's mouse
    // would, so whatever covers the bar takes it instead.
    static void openFile(frmMain &form)
    {
        const QPoint title =
            form.menuBar->actionGeometry(form.mnuFile->menuAction()).center() + form.menuBar->pos();
        ASSERT_EQ(form.childAt(title), form.menuBar);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, title);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.mnuFile->isVisible(); }, 2000));
    }

    // File, "Exercise &1 - Alphabet", then the level, clicked one after the other.
    static void chooseLevel(frmMain &form, int level)
    {
        openFile(form);
        click(form.mnuFile,
              form.mnuFile->actionGeometry(form.mnuFileExercise1->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.mnuFileExercise1->isVisible(); }, 2000));
        QAction *item = form.mnuFileExercise1Item[size_t(level - 1)];
        ASSERT_TRUE(item->isEnabled());
        click(form.mnuFileExercise1, form.mnuFileExercise1->actionGeometry(item).center());
    }

    static void expectInformationScreenAsAtLoad(const frmMain &form, const Face &atLoad)
    {
        const Face now = faceOf(form);
        EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
        EXPECT_TRUE(form.menuBar->isVisible());
        EXPECT_EQ(now.bar, atLoad.bar);
        EXPECT_EQ(now.bar.topLeft(), QPoint(0, 0));
        EXPECT_EQ(now.bar.width(), form.width());
        EXPECT_EQ(now.panelTop, now.bar.height()) << "the panel right below the bar";
        EXPECT_EQ(now.client, atLoad.client);
        EXPECT_LE(now.panelTop + form.ssPnlInfo->height(), form.height());
    }

    // Every face of the information screen that a lesson or a wait took away
    // is back, and nothing of the lesson shows.
    static void expectWholeInformationScreen(const frmMain &form)
    {
        EXPECT_TRUE(form.ssPnlInfo->isVisible());
        EXPECT_TRUE(form.aniLogo->isVisible());
        EXPECT_TRUE(form.aniLogo->isRunning());
        EXPECT_TRUE(form.aniClick2->isVisible());
        EXPECT_TRUE(form.aniClick2->isRunning());
        EXPECT_FALSE(form.aniLoading->isVisible());
        EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
        EXPECT_TRUE(form.mnuFile->menuAction()->isEnabled());
        EXPECT_TRUE(form.mnuHelp->menuAction()->isEnabled());
        for (const QWidget *lesson : std::initializer_list<const QWidget *>{
                 form.pnl3dLetter, form.cmdBack, form.cmdNext, form.cmdClear, form.AnimClick,
                 form.Instruction2, form.LetterLabel})
            EXPECT_TRUE(lesson->isHidden()) << lesson->metaObject()->className();
        for (const TracingBox *box : form.pictureBoxes())
            EXPECT_TRUE(box->isHidden());
        EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
    }

    // Three lessons of level 1, each left another way; after each the File
    // menu opens and leads into the next.
    void leaveEveryWay()
    {
        frmMain form;
        logIn(form, 1);
        const Face atLoad = faceOf(form);
        ASSERT_GT(atLoad.bar.height(), 0);
        ASSERT_EQ(atLoad.panelTop, atLoad.bar.height());

        const std::pair<const char *, std::function<void()>> ways[] = {
            {"Main Menu", [&] { click(form.cmdBack); }},
            {"the last letter's step",
             [&] {
                 click(form.cmdNext);
                 ASSERT_EQ(form.cmdNext->Caption(), QStringLiteral("&Test"));
                 click(form.cmdNext);
             }},
            {"the close box", [&] { closeFromTitleBar(form); }},
        };
        for (const auto &[name, leave] : ways) {
            SCOPED_TRACE(name);
            chooseLevel(form, 1);
            ASSERT_TRUE(form.pnl3dLetter->isVisible());
            ASSERT_FALSE(form.mnuFile->menuAction()->isVisible());
            leave();
            ASSERT_TRUE(form.isVisible());
            expectInformationScreenAsAtLoad(form, atLoad);
            expectWholeInformationScreen(form);
        }
        // The File menu still leads somewhere.
        chooseLevel(form, 1);
        EXPECT_TRUE(form.pnl3dLetter->isVisible());
        EXPECT_EQ(form.LetterLabel->text(), lessonPronunciation(1, 1));
    }

    // The last alphabet test's pass leads past the lessons of the listening
    // level, which has none to browse, back home.
    void passTheAlphabet()
    {
        frmMain form;
        logIn(form, 8);
        const Face atLoad = faceOf(form);
        passing = 8;
        chooseLevel(form, 8);
        click(form.cmdNext);
        ASSERT_EQ(form.cmdNext->Caption(), QStringLiteral("&Test"));
        click(form.cmdNext);

        EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 9);
        ASSERT_TRUE(form.isVisible());
        expectInformationScreenAsAtLoad(form, atLoad);
        expectWholeInformationScreen(form);
        EXPECT_TRUE(form.mnuFileExercise2->isEnabled());
    }

    MessageBoxScript boxes;
    ModalWatchdog watchdog{30000};
    // The last letter's step runs a test that the learner leaves, or passes
    // at this level.
    int passing = 0;
    ScriptedExercise::Installation tests{[this](int level) {
        return level == passing ? ScriptedExercise::Outcome::Pass
                                : ScriptedExercise::Outcome::Leave;
    }};
};

TEST_F(RoundTrip, EveryWayBackFindsTheMenuBarWhereItWasAt1024x768)
{
    ScreenSizeDouble screen(1024, 768);
    leaveEveryWay();
}

TEST_F(RoundTrip, EveryWayBackFindsTheMenuBarWhereItWasAt800x600)
{
    ScreenSizeDouble screen(800, 600);
    leaveEveryWay();
}

TEST_F(RoundTrip, TheLastAlphabetTestsPassComesHomeAsEveryLessonDoesAt1024x768)
{
    ScreenSizeDouble screen(1024, 768);
    passTheAlphabet();
}

TEST_F(RoundTrip, TheLastAlphabetTestsPassComesHomeAsEveryLessonDoesAt800x600)
{
    ScreenSizeDouble screen(800, 600);
    passTheAlphabet();
}

TEST_F(RoundTrip, AMissingLevelDatabaseIsReportedAndTheInformationScreenComesBack)
{
    frmMain form;
    logIn(form, 3);
    ASSERT_TRUE(QFile::remove(folder.levelDatabase(3)));
    bool logoUnderTheBox = false;
    boxes.expect(QStringLiteral("Error No=53\rError Description="),
                 services::MessageBoxStyle::Exclamation, services::MessageBoxAnswer::Ok,
                 [&] { logoUnderTheBox = form.aniLogo->isVisible(); });

    chooseLevel(form, 3);
    EXPECT_TRUE(logoUnderTheBox);
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_EQ(boxes.shown().size(), 1);
    if (!boxes.shown().isEmpty()) {
        EXPECT_EQ(boxes.shown().first().owner, &form);
    }
    EXPECT_TRUE(modErrors::gErrMsg.isEmpty());
    expectWholeInformationScreen(form);

    // The learner can go on with a level that is there.
    chooseLevel(form, 1);
    EXPECT_TRUE(form.pnl3dLetter->isVisible());
    EXPECT_EQ(form.LetterLabel->text(), lessonPronunciation(1, 1));
}

TEST_F(RoundTrip, AMissingLevelNeverOpensOnTheLettersOfTheLastLesson)
{
    frmMain form;
    logIn(form, 8);
    chooseLevel(form, 8);
    ASSERT_EQ(form.LetterLabel->text(), lessonPronunciation(8, 1));
    click(form.cmdBack);
    ASSERT_TRUE(QFile::remove(folder.levelDatabase(3)));
    boxes.expect(QStringLiteral("Error No=53\r"), services::MessageBoxStyle::Exclamation,
                 services::MessageBoxAnswer::Ok);

    chooseLevel(form, 3);
    EXPECT_EQ(boxes.pending(), 0);
    expectWholeInformationScreen(form);
    EXPECT_EQ(modMain::gLetterCount, 0);
}

} // namespace
