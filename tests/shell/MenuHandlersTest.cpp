#include "platform/controls/AniGif.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/forms/Screen.h"
#include "shell/dialogs/frmAbout.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/shell/LessonLevels.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

// Runs a check each time the event loop turns while a menu choice is under
// way, and tells whether the choice ever waited for the start-up sound.
class WaitWatcher final
{
public:
    WaitWatcher(const frmMain &form, std::function<void()> inWait = {})
        : m_inWait(std::move(inWait))
    {
        m_poll.setInterval(1);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this, &form] {
            if (!form.waiting())
                return;
            m_sawWait = true;
            m_poll.stop();
            if (m_inWait)
                m_inWait();
        });
        m_poll.start();
    }
    Q_DISABLE_COPY_MOVE(WaitWatcher)

    bool sawWait() const { return m_sawWait; }

private:
    QTimer m_poll;
    std::function<void()> m_inWait;
    bool m_sawWait = false;
};

// The main window as after the start-up: the start-up sound playing on the
// information screen, the menus enabled for the stored level, two letters
// with their pictures in each lesson level.
class MenuHandlers : public MainWindowFixture
{
protected:
    MenuHandlers()
    {
        for (int level : {1, 3, 8, 11, 14})
            addLessonLetters(folder, level);
        folder.addFile(QStringLiteral("sounds/ohm.mp3"));
        form.Load();
        form.IntroSound->Open(platform::AppPath() + QStringLiteral("\\sounds\\ohm.mp3"));
        form.IntroSound->Play();
    }

    // The learner's level as Main leaves it after the login.
    void logIn(int stored)
    {
        storeLevel(stored);
        modMain::SetLevel(-1);
        form.EnableDisableMenus(true);
        form.Show();
    }

    FakeSoundBackend &intro() { return *FakeSoundBackend::of(*form.IntroSound); }

    // Chooses the item while the start-up sound plays on, and ends the
    // playback once the choice waits for it.
    void chooseAndEndIntroInWait(QAction *item)
    {
        WaitWatcher watcher(form, [this] { intro().finish(); });
        item->trigger();
        ASSERT_TRUE(watcher.sawWait());
    }

    void expectLessonOf(int level)
    {
        EXPECT_EQ(canonical(modMain::gLevelDbPath), canonical(folder.levelDatabase(level)));
        EXPECT_EQ(modMain::gCurrentLetter, 1);
        ASSERT_EQ(modMain::gLetterCount, 2);
        EXPECT_EQ(modMain::gLetters[1].LetterPronounciation, lessonPronunciation(level, 1));
        EXPECT_EQ(form.LetterLabel->text(), lessonPronunciation(level, 1));
        EXPECT_FALSE(form.mnuFile->menuAction()->isVisible());
        EXPECT_TRUE(form.pnl3dLetter->isVisible());
    }

    MessageBoxScript noBoxes;
    ModalWatchdog watchdog{30000};
    frmMain form;
};

TEST_F(MenuHandlers, AnEarlierLevelIsPractisedAndTheOwnLevelClearsThePracticeLevel)
{
    logIn(8);
    chooseAndEndIntroInWait(form.mnuFileExercise1Item[2]);
    EXPECT_EQ(modMain::gLevel, 3);
    expectLessonOf(3);
    // The menu follows the stored level, not the one practised.
    EXPECT_TRUE(form.mnuFileExercise1Item[7]->isEnabled());

    form.MainScreen();
    form.mnuFileExercise1Item[7]->trigger();
    EXPECT_EQ(modMain::gLevel, 0);
    expectLessonOf(8);
}

TEST_F(MenuHandlers, VowelsAndTheFirstNumbersLevelAreLessonsToo)
{
    logIn(14);
    chooseAndEndIntroInWait(form.mnuFileExercise4);
    EXPECT_EQ(modMain::gLevel, 11);
    expectLessonOf(11);

    form.MainScreen();
    form.mnuFileExercise7Item[0]->trigger();
    EXPECT_EQ(modMain::gLevel, 0);
    expectLessonOf(14);
}

TEST_F(MenuHandlers, AChoiceClearsAPracticeLevelLeftFromBefore)
{
    logIn(11);
    // Left, say, by an earlier practice that moved on with each pass.
    modMain::gLevel = 9;
    int levelInWait = -1;
    WaitWatcher watcher(form, [&] {
        levelInWait = modMain::gLevel;
        intro().finish();
    });
    form.mnuFileExercise4->trigger();
    ASSERT_TRUE(watcher.sawWait());
    EXPECT_EQ(levelInWait, 0) << "cleared before the wait";
    EXPECT_EQ(modMain::gLevel, 0);
    expectLessonOf(11);
}

TEST_F(MenuHandlers, TheFirstChoiceWaitsForTheStartUpSoundWithTheMenusDisabled)
{
    logIn(3);
    struct Seen
    {
        bool loading = false;
        bool fileEnabled = true;
        bool helpEnabled = true;
        bool hint = true;
        int pointer = 0;
        bool lessonShown = true;
    } seen;
    WaitWatcher watcher(form, [&] {
        seen.loading = form.aniLoading->isVisible();
        seen.fileEnabled = form.mnuFile->menuAction()->isEnabled();
        seen.helpEnabled = form.mnuHelp->menuAction()->isEnabled();
        seen.hint = form.aniClick2->isVisible();
        seen.pointer = forms::Screen::MousePointer();
        seen.lessonShown = form.pnl3dLetter->isVisible();
        intro().finish();
    });
    form.mnuFileExercise1Item[0]->trigger();

    ASSERT_TRUE(watcher.sawWait());
    EXPECT_TRUE(seen.loading);
    EXPECT_FALSE(seen.fileEnabled);
    EXPECT_FALSE(seen.helpEnabled);
    EXPECT_FALSE(seen.hint);
    EXPECT_EQ(seen.pointer, forms::Hourglass);
    EXPECT_FALSE(seen.lessonShown);
    EXPECT_TRUE(form.aniLoading->fileName().endsWith(QStringLiteral("Animation/loading.gif")));

    // After the wait: the playback that ended is not repeated.
    EXPECT_EQ(intro().playCount(), 1);
    EXPECT_FALSE(form.waiting());
    EXPECT_FALSE(form.aniLoading->isVisible());
    EXPECT_FALSE(form.aniLogo->isVisible());
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
    expectLessonOf(1);
    QTest::qWait(50);
    EXPECT_EQ(intro().playCount(), 1);
    // The lesson hides the menus; back on the information screen they work.
    form.MainScreen();
    EXPECT_TRUE(form.mnuFile->menuAction()->isEnabled());
    EXPECT_TRUE(form.mnuHelp->menuAction()->isEnabled());
}

TEST_F(MenuHandlers, ALaterChoiceGoesOnAtOnce)
{
    logIn(8);
    chooseAndEndIntroInWait(form.mnuFileExercise1Item[0]);
    form.MainScreen();

    // A wait now could only end at the limit.
    form.setIntroWaitLimit(60000);
    WaitWatcher watcher(form);
    form.mnuFileExercise1Item[2]->trigger();
    EXPECT_FALSE(watcher.sawWait());
    EXPECT_EQ(intro().playCount(), 1);
    expectLessonOf(3);
}

TEST_F(MenuHandlers, AStartUpSoundThatCannotPlayEndsTheWait)
{
    FakeSoundBackend::setUnplayable({QStringLiteral("ohm.mp3")});
    // The failed playback replays on the information screen, failing again.
    form.IntroSound->Play();
    logIn(1);
    form.setIntroWaitLimit(60000);
    QElapsedTimer clock;
    clock.start();
    form.mnuFileExercise1Item[0]->trigger();
    EXPECT_LT(clock.elapsed(), 30000) << "ended by the limit, not by the failed playback";
    expectLessonOf(1);
    EXPECT_TRUE(form.playDone());
    const int plays = intro().playCount();
    QTest::qWait(100);
    EXPECT_EQ(intro().playCount(), plays) << "the loop started again after the wait";
}

TEST_F(MenuHandlers, AStartUpSoundThatIsNotPlayingDoesNotHoldTheChoice)
{
    form.IntroSound->Stop();
    logIn(1);
    form.setIntroWaitLimit(60000);
    QElapsedTimer clock;
    clock.start();
    form.mnuFileExercise1Item[0]->trigger();
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_TRUE(form.playDone());
    expectLessonOf(1);
}

TEST_F(MenuHandlers, TheLimitEndsAStartUpSoundWhoseEndNeverComes)
{
    logIn(8);
    form.setIntroWaitLimit(200);
    WaitWatcher watcher(form); // sees the wait and leaves the sound alone
    form.mnuFileExercise1Item[2]->trigger();
    ASSERT_TRUE(watcher.sawWait());
    EXPECT_FALSE(intro().isPlaying()) << "given up as if it had ended";
    EXPECT_TRUE(form.playDone());
    EXPECT_EQ(modMain::gLevel, 3);
    expectLessonOf(3);
    // A late end of the abandoned playback starts nothing again.
    intro().finish();
    QTest::qWait(50);
    EXPECT_EQ(intro().playCount(), 1);
}

TEST_F(MenuHandlers, ShortcutsRestWhileAChoiceWaitsAndDuringALesson)
{
    logIn(1);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form, 2000));
    ProgramEndCatcher end;
    WhenModal about([](QWidget *modal) { modal->hide(); });
    WaitWatcher watcher(form, [&] {
        QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_X, Qt::ControlModifier);
        intro().finish();
    });
    form.mnuFileExercise1Item[0]->trigger();
    ASSERT_TRUE(watcher.sawWait());
    EXPECT_FALSE(about.done());
    EXPECT_FALSE(end.ended());

    // In the lesson the menus are hidden, and so are their shortcuts.
    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(about.done());
    EXPECT_FALSE(end.ended());

    form.MainScreen();
    EXPECT_THROW(QTest::keyClick(&form, Qt::Key_X, Qt::ControlModifier), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
}

TEST_F(MenuHandlers, CtrlAOpensTheAboutDialogFromTheInformationScreen)
{
    logIn(1);
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form, 2000));
    bool modalAbout = false;
    WhenModal about([&modalAbout](QWidget *modal) {
        auto *dialog = qobject_cast<frmAbout *>(modal);
        modalAbout = dialog != nullptr && dialog->isModal();
        modal->hide();
    });
    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(about.done());
    EXPECT_TRUE(modalAbout);
}

TEST_F(MenuHandlers, TheHiddenLevelsMenuChoosesNothing)
{
    logIn(8);
    const QString before = modMain::gLevelDbPath;
    form.mnuLevelItem[2]->trigger();
    EXPECT_EQ(modMain::gLevelDbPath, before);
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_FALSE(form.pnl3dLetter->isVisible());
}

} // namespace
