#include "course/pictures/GifWriter.h"
#include "course/schema/LetterRow.h"
#include "course/schema/Writer.h"
#include "platform/controls/AniGif.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/controls/TracingBox.h"
#include "platform/core/BgrColor.h"
#include "platform/core/Twips.h"
#include "platform/db/Database.h"
#include "platform/forms/Screen.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/FileContents.h"
#include "tests/support/LessonLevel.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/ScriptedExercise.h"
#include "tests/support/TitleBarClose.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

// Each letter's media carry its number, so a test can tell which letter shows.
QColor letterColour(int letter)
{
    return LessonLevel::letterColour(letter);
}

// The tracing pictures of a letter.
QColor traceColour(int letter)
{
    return LessonLevel::traceColour(letter);
}

class Lesson : public MainWindowFixture
{
protected:
    // Fills the level's database with letters 1..count, their media in the
    // program folder, and makes it the level the learner is at.
    void makeLevel(int level, int count)
    {
        media.write(level, count);
        storeLevel(level);
        modMain::SetLevel(level);
    }

    // The sound doubles never read the files.
    LessonLevel media{folder, [](const QString &path) {
                          QFile file(path);
                          EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                          file.write("ID3");
                      }};

    // The lesson of a level of count letters, in a shown window.
    void openLesson(frmMain &form, int level, int count)
    {
        makeLevel(level, count);
        form.Show();
        form.RunLevel();
        ASSERT_TRUE(modErrors::gErrMsg.isEmpty()) << modErrors::gErrMsg.toStdString();
    }

    static FakeSoundBackend &of(const controls::SoundPlayer *player)
    {
        return *FakeSoundBackend::of(*player);
    }

    static int shownLetter(const frmMain &form)
    {
        // stroke<N>.gif
        const QString name = QFileInfo(form.AnimationLetter->fileName()).baseName();
        return name.mid(6).toInt();
    }

    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    static bool anyLessonSoundPlays(const frmMain &form)
    {
        return of(form.LetterSound).isPlaying() || of(form.PictureSoundA).isPlaying() ||
               of(form.PictureSoundB).isPlaying();
    }
};

TEST_F(Lesson, OpensAtTheFirstLetterWithNothingPlaying)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 3);

    EXPECT_EQ(modMain::gCurrentLetter, 1);
    EXPECT_EQ(shownLetter(form), 1);
    EXPECT_FALSE(form.mnuFile->menuAction()->isVisible());
    EXPECT_FALSE(form.mnuHelp->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isHidden());
    EXPECT_TRUE(form.pnl3dLetter->isVisible());
    for (TracingBox *box : form.pictureBoxes())
        EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(form.cmdClear->isVisible());
    EXPECT_TRUE(form.AnimClick->isVisible());
    EXPECT_TRUE(form.AnimClick->fileName().endsWith("/Animation/click.gif"));
    EXPECT_TRUE(form.Instruction2->fileName().endsWith("/Animation/instruction2.gif"));
    EXPECT_EQ(QColor(form.ImgLetter->pixmap().toImage().pixel(5, 5)), letterColour(1));
    // The picture is placed as its letter says.
    EXPECT_EQ(form.AnimationPictureA->Left(), 480 + 15);

    // Nothing plays until the letter is clicked.
    EXPECT_TRUE(form.AnimationLetter->isHidden());
    EXPECT_TRUE(form.LetterLabel->isHidden());
    EXPECT_TRUE(form.AnimationPictureA->isHidden());
    EXPECT_TRUE(form.AnimWordB->isHidden());
    EXPECT_FALSE(anyLessonSoundPlays(form));
    EXPECT_TRUE(of(form.LetterSound).openFile().endsWith("sounds/letter1.mp3"));
    EXPECT_TRUE(of(form.PictureSoundB).openFile().endsWith("sounds/b1.mp3"));
    // The start-up sound is over for this run.
    EXPECT_FALSE(of(form.IntroSound).isPlaying());
}

TEST_F(Lesson, TheNumbersLevelHasItsOwnInstruction)
{
    frmMain form;
    form.Load();
    openLesson(form, 11, 1);
    EXPECT_TRUE(form.Instruction2->fileName().endsWith("/Animation/numberinstruction2.gif"));
}

TEST_F(Lesson, AClickOnTheLetterRunsThePresentationStepByStep)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 3);

    click(form.ImgLetter);
    EXPECT_TRUE(form.AnimClick->isHidden());
    EXPECT_TRUE(form.AnimationLetter->isVisible());
    EXPECT_TRUE(form.AnimationLetter->isRunning());
    EXPECT_EQ(form.AnimationLetter->PlayMode(), 1);
    EXPECT_EQ(form.AnimationLetter->RepeatCount(), 3);
    EXPECT_TRUE(of(form.LetterSound).isPlaying());
    EXPECT_TRUE(form.LetterLabel->isVisible());
    EXPECT_EQ(form.LetterLabel->text(), QStringLiteral("ka1"));
    EXPECT_GT(form.LetterLabel->Width(), 135); // sized to its text
    EXPECT_TRUE(form.AnimationPictureA->isHidden());

    // Three passes of the stroke animation, then the still picture again.
    QTRY_VERIFY_WITH_TIMEOUT(form.AnimationLetter->isHidden(), 5000);
    EXPECT_FALSE(form.AnimationLetter->isRunning());
    EXPECT_TRUE(form.playDone());
    // The sound goes on; picture A waits for its end.
    EXPECT_TRUE(form.AnimationPictureA->isHidden());

    of(form.LetterSound).finish();
    QTRY_VERIFY_WITH_TIMEOUT(form.AnimationPictureA->isVisible(), 2000);
    EXPECT_TRUE(form.AnimationPictureA->isRunning());
    EXPECT_EQ(form.AnimationPictureA->PlayMode(), 1);
    EXPECT_EQ(form.AnimationPictureA->RepeatCount(), 1);
    EXPECT_TRUE(form.AnimWordA->isVisible());
    EXPECT_EQ(form.AnimWordA->PlayMode(), 2);
    EXPECT_TRUE(of(form.PictureSoundA).isPlaying());
    EXPECT_TRUE(form.AnimationPictureB->isHidden());
    EXPECT_TRUE(form.AnimWordB->isHidden());
    EXPECT_FALSE(of(form.PictureSoundB).isPlaying());

    of(form.PictureSoundA).finish();
    QTRY_VERIFY_WITH_TIMEOUT(form.AnimationPictureB->isVisible(), 2000);
    EXPECT_TRUE(form.AnimationPictureB->isRunning());
    EXPECT_EQ(form.AnimationPictureB->RepeatCount(), 1);
    EXPECT_TRUE(form.AnimWordB->isVisible());
    EXPECT_TRUE(form.AnimWordB->isRunning());
    EXPECT_TRUE(form.AnimWordA->isVisible());
    EXPECT_TRUE(form.AnimWordA->isRunning());
    EXPECT_EQ(form.AnimWordB->PlayMode(), 2);
    EXPECT_TRUE(of(form.PictureSoundB).isPlaying());
    EXPECT_TRUE(form.AnimationPictureA->isVisible());

    // The end of B ends the presentation; everything stays on show.
    of(form.PictureSoundB).finish();
    QTest::qWait(50);
    EXPECT_TRUE(form.AnimationPictureA->isVisible());
    EXPECT_TRUE(form.AnimationPictureB->isVisible());
    EXPECT_TRUE(form.AnimWordA->isVisible());
    EXPECT_TRUE(form.AnimWordB->isVisible());
    EXPECT_FALSE(anyLessonSoundPlays(form));
}

TEST_F(Lesson, TheLetterPanelSinksWhilePressed)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 1);
    const QPoint centre = form.ImgLetter->rect().center();

    EXPECT_EQ(form.pnl3dLetter->BevelOuter(), 2);
    QTest::mousePress(form.ImgLetter, Qt::RightButton, {}, centre);
    EXPECT_EQ(form.pnl3dLetter->BevelOuter(), 1);
    QTest::mouseRelease(form.ImgLetter, Qt::RightButton, {}, centre);
    EXPECT_EQ(form.pnl3dLetter->BevelOuter(), 2);
    // Only the left button clicks.
    EXPECT_FALSE(of(form.LetterSound).isPlaying());

    // Released off the picture: no click, but raised again.
    QTest::mousePress(form.ImgLetter, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(form.ImgLetter, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(form.pnl3dLetter->BevelOuter(), 2);
    EXPECT_FALSE(of(form.LetterSound).isPlaying());
}

TEST_F(Lesson, ASecondClickRestartsTheLetterAndHoldsThePicturesAlreadyShown)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 2);

    click(form.ImgLetter);
    of(form.LetterSound).finish();
    QTRY_VERIFY_WITH_TIMEOUT(of(form.PictureSoundA).isPlaying(), 2000);
    ASSERT_TRUE(form.AnimationPictureA->isRunning());
    QSignalSpy letterEnds(form.AnimationLetter, &controls::AniGif::PlayFinished);

    click(form.ImgLetter);
    // A click on the running stroke animation is a click on the letter.
    ASSERT_TRUE(form.AnimationLetter->isVisible());
    const QPoint onAnimation =
        form.AnimationLetter->mapTo(&form, form.AnimationLetter->rect().center());
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, onAnimation);
    EXPECT_EQ(of(form.LetterSound).playCount(), 3);
    EXPECT_TRUE(of(form.LetterSound).isPlaying());
    EXPECT_FALSE(of(form.PictureSoundA).isPlaying());
    EXPECT_TRUE(form.AnimationLetter->isVisible());
    EXPECT_TRUE(form.AnimationLetter->isRunning());
    EXPECT_EQ(form.AnimationLetter->currentFrame(), 0);
    // Picture A and its word stay, stopped, until the sound ends again.
    EXPECT_TRUE(form.AnimationPictureA->isVisible());
    EXPECT_FALSE(form.AnimationPictureA->isRunning());
    EXPECT_TRUE(form.AnimWordA->isVisible());
    EXPECT_FALSE(form.AnimWordA->isRunning());

    // One end of the stroke animation: the restarts dropped the earlier passes.
    QTRY_VERIFY_WITH_TIMEOUT(form.AnimationLetter->isHidden(), 5000);
    QTest::qWait(100);
    EXPECT_EQ(letterEnds.count(), 1);

    of(form.LetterSound).finish();
    QTRY_VERIFY_WITH_TIMEOUT(of(form.PictureSoundA).isPlaying(), 2000);
    EXPECT_TRUE(form.AnimationPictureA->isRunning());
    EXPECT_EQ(of(form.PictureSoundA).playCount(), 2);
}

TEST_F(Lesson, NextStopsEverythingAndTheOldPresentationNeverResumes)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 3);
    click(form.ImgLetter);
    of(form.LetterSound).finish();
    QTRY_VERIFY_WITH_TIMEOUT(of(form.PictureSoundA).isPlaying(), 2000);
    QSignalSpy soundAEnds(form.PictureSoundA, &controls::SoundPlayer::PlayFinished);
    QSignalSpy letterEnds(form.AnimationLetter, &controls::AniGif::PlayFinished);
    QSignalSpy pictureAEnds(form.AnimationPictureA, &controls::AniGif::PlayFinished);

    click(form.cmdNext);
    EXPECT_EQ(modMain::gCurrentLetter, 2);
    EXPECT_EQ(shownLetter(form), 2);
    EXPECT_FALSE(anyLessonSoundPlays(form));
    for (const controls::AniGif *animation :
         {form.AnimationLetter, form.AnimationPictureA, form.AnimWordA, form.AnimationPictureB,
          form.AnimWordB})
        EXPECT_TRUE(animation->isHidden());
    // The words run by themselves once read, out of sight; the rest wait.
    for (const controls::AniGif *animation :
         {form.AnimationLetter, form.AnimationPictureA, form.AnimationPictureB})
        EXPECT_FALSE(animation->isRunning());
    EXPECT_TRUE(form.LetterLabel->isHidden());
    EXPECT_TRUE(form.AnimClick->isVisible());

    // Whatever the old players still had to say is dropped: nothing moves on.
    of(form.LetterSound).finish();
    of(form.PictureSoundA).finish();
    of(form.PictureSoundB).finish();
    QTest::qWait(300);
    EXPECT_EQ(soundAEnds.count(), 0);
    EXPECT_EQ(letterEnds.count(), 0);
    EXPECT_EQ(pictureAEnds.count(), 0);
    EXPECT_TRUE(form.AnimationPictureA->isHidden());
    EXPECT_TRUE(form.AnimationPictureB->isHidden());
    EXPECT_FALSE(anyLessonSoundPlays(form));
    EXPECT_EQ(of(form.PictureSoundB).playCount(), 0);
    EXPECT_TRUE(of(form.LetterSound).openFile().endsWith("sounds/letter2.mp3"));
}

TEST_F(Lesson, TheButtonsNameTheirStepAcrossAThreeLetterLevel)
{
    frmMain form;
    form.Load();
    openLesson(form, 3, 3);
    const auto captions = [&form] {
        return std::make_pair(form.cmdBack->Caption(), form.cmdNext->Caption());
    };
    using Captions = std::pair<QString, QString>;

    EXPECT_EQ(captions(), Captions("&Main Menu", "&Next"));
    click(form.cmdNext);
    EXPECT_EQ(captions(), Captions("&Back", "&Next"));
    EXPECT_EQ(modMain::gCurrentLetter, 2);
    // Moving onto the last letter turns "&Next" into "&Test".
    click(form.cmdNext);
    EXPECT_EQ(modMain::gCurrentLetter, 3);
    EXPECT_EQ(shownLetter(form), 3);
    EXPECT_EQ(captions(), Captions("&Back", "&Test"));

    // Back from the last letter: "&Next" again.
    click(form.cmdBack);
    EXPECT_EQ(modMain::gCurrentLetter, 2);
    EXPECT_EQ(shownLetter(form), 2);
    EXPECT_EQ(captions(), Captions("&Back", "&Next"));
    // Back from letter 2 leaves letter 1 with "&Main Menu".
    click(form.cmdBack);
    EXPECT_EQ(modMain::gCurrentLetter, 1);
    EXPECT_EQ(shownLetter(form), 1);
    EXPECT_EQ(captions(), Captions("&Main Menu", "&Next"));

    click(form.cmdNext);
    click(form.cmdNext);
    ASSERT_EQ(captions(), Captions("&Back", "&Test"));
    click(form.ImgLetter);
    ASSERT_TRUE(of(form.LetterSound).isPlaying());

    // The test step runs the level's test; one left without passing ends on
    // the information screen.
    const ScriptedExercise::Installation tests(
        [](int) { return ScriptedExercise::Outcome::Leave; });
    click(form.cmdNext);
    ASSERT_EQ(ScriptedExercise::records().size(), 1);
    EXPECT_EQ(ScriptedExercise::records()[0].caption, QStringLiteral("Level 3 - KA to NA"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.pnl3dLetter->isHidden());
    EXPECT_TRUE(form.cmdNext->isHidden());
    EXPECT_FALSE(anyLessonSoundPlays(form));
    EXPECT_FALSE(form.AnimationLetter->isRunning());
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
    EXPECT_TRUE(modErrors::gErrMsg.isEmpty());
}

TEST_F(Lesson, MainMenuOnTheFirstLetterReturnsToTheInformationScreen)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 3);
    click(form.ImgLetter);

    click(form.cmdBack);
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.mnuHelp->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.pnl3dLetter->isHidden());
    EXPECT_FALSE(anyLessonSoundPlays(form));
    EXPECT_FALSE(form.AnimationLetter->isRunning());
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);

    // A second lesson starts afresh.
    form.RunLevel();
    EXPECT_EQ(modMain::gCurrentLetter, 1);
    EXPECT_EQ(form.cmdBack->Caption(), QStringLiteral("&Main Menu"));
    EXPECT_EQ(form.cmdNext->Caption(), QStringLiteral("&Next"));
}

TEST_F(Lesson, AOneLetterLevelGoesStraightToItsTestAndNeverReadsTest)
{
    frmMain form;
    form.Load();
    openLesson(form, 1, 1);
    EXPECT_EQ(form.cmdBack->Caption(), QStringLiteral("&Main Menu"));
    EXPECT_EQ(form.cmdNext->Caption(), QStringLiteral("&Next"));

    // The caption as it stands when the lesson ends.
    QStringList seen;
    QObject::connect(form.mnuFile->menuAction(), &QAction::visibleChanged, &form,
                     [&] { seen.append(form.cmdNext->Caption()); });

    const ScriptedExercise::Installation tests(
        [](int) { return ScriptedExercise::Outcome::Leave; });
    click(form.cmdNext);
    EXPECT_EQ(ScriptedExercise::records().size(), 1);
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.pnl3dLetter->isHidden());
    EXPECT_EQ(seen, QStringList{"&Next"});
    EXPECT_EQ(form.cmdNext->Caption(), QStringLiteral("&Next"));
}

TEST_F(Lesson, MovingBetweenLettersShowsTheHourglass)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 3);
    QList<int> pointers;
    QObject::connect(form.AnimationLetter, &controls::AniGif::frameChanged, &form,
                     [&pointers] { pointers.append(forms::Screen::MousePointer()); });

    click(form.cmdNext);
    ASSERT_FALSE(pointers.isEmpty());
    EXPECT_EQ(pointers.first(), forms::Hourglass);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);

    pointers.clear();
    click(form.cmdBack);
    ASSERT_FALSE(pointers.isEmpty());
    EXPECT_EQ(pointers.first(), forms::Hourglass);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
}

TEST_F(Lesson, AMissingPictureEndsTheShowingOfALetterWhereItIsNeeded)
{
    frmMain form;
    form.Load();
    makeLevel(2, 2);
    QFile::remove(folder.path() + "/letters/trace2.png");
    form.Show();
    form.RunLevel();
    ASSERT_TRUE(modErrors::gErrMsg.isEmpty());
    const QImage firstTrace = form.Picture1->Picture().toImage();

    click(form.cmdNext);
    EXPECT_TRUE(modErrors::gErrMsg.startsWith("Error No=53\r")) << modErrors::gErrMsg.toStdString();
    // Before the tracing pictures: the new letter; after them: the old one.
    EXPECT_EQ(shownLetter(form), 2);
    EXPECT_EQ(QColor(form.ImgLetter->pixmap().toImage().pixel(5, 5)), letterColour(2));
    EXPECT_EQ(form.Picture1->Picture().toImage(), firstTrace);
    EXPECT_TRUE(of(form.LetterSound).openFile().endsWith("sounds/letter1.mp3"));
    // The move itself went on.
    EXPECT_EQ(modMain::gCurrentLetter, 2);
    EXPECT_EQ(form.cmdBack->Caption(), QStringLiteral("&Back"));
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
}

// A level database that is not what it should be, and the start of the
// report the learner sees for it.
struct BrokenLevelFile
{
    const char *name;
    std::function<void(const TempProgramFolder &, const QString &)> spoil;
    const char *report;
};

const BrokenLevelFile BrokenLevelFiles[] = {
    {"Missing", [](const TempProgramFolder &, const QString &f) { QFile::remove(f); },
     "Error No=53\r"},
    {"Empty", [](const TempProgramFolder &, const QString &f) { overwriteFile(f, {}); },
     "\rError Description=no such table: Letters"},
    {"GarbageBytes",
     [](const TempProgramFolder &, const QString &f) {
         overwriteFile(f, QByteArray(4096, '\x5a'));
     },
     "\rError Description=file is not a database"},
    {"UsersDatabase",
     [](const TempProgramFolder &folder, const QString &f) {
         QFile::remove(f);
         QFile::copy(folder.usersDatabase(), f);
     },
     "\rError Description=no such table: Letters"},
    {"LettersTableMissing",
     [](const TempProgramFolder &, const QString &f) {
         db::Database::openExisting(f)->exec(QStringLiteral("DROP TABLE Letters"));
     },
     "\rError Description=no such table: Letters"},
};

class BrokenLevelDatabase : public Lesson, public ::testing::WithParamInterface<BrokenLevelFile>
{};

// The lesson cannot start: its report shows over the information screen,
// and the users database is left as it was.
TEST_P(BrokenLevelDatabase, IsReportedOnTheInformationScreen)
{
    frmMain form;
    form.Load();
    form.Show();
    storeLevel(4);
    modMain::SetLevel(4);
    media.write(4, 2);
    GetParam().spoil(folder, folder.levelDatabase(4));
    const QByteArray users = fileBytes(folder.usersDatabase());
    MessageBoxScript boxes;
    boxes.expect(QString::fromLatin1(GetParam().report), 48, 1);

    form.RunLevel();
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_TRUE(modErrors::gErrMsg.isEmpty()) << "shown, then emptied";
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.pnl3dLetter->isHidden());
    EXPECT_EQ(fileBytes(folder.usersDatabase()), users);
}

INSTANTIATE_TEST_SUITE_P(Lesson, BrokenLevelDatabase, ::testing::ValuesIn(BrokenLevelFiles),
                         [](const auto &row) { return std::string(row.param.name); });

// Media the letter names that are missing or are no recordings, played by the
// real sound back end: the presentation still runs to its end by itself, and
// the lesson goes on to the next letter.
struct BrokenMedia
{
    const char *name;
    LessonLevel::SoundWriter writeSound;
    bool removeAnimations;
};

const BrokenMedia BrokenMediaKinds[] = {
    {"MissingRecordings", [](const QString &) {}, false},
    {"TextRenamedMp3",
     [](const QString &path) { overwriteFile(path, "These are words, not a recording.\n"); },
     false},
    {"MissingAnimations", [](const QString &path) { overwriteFile(path, "ID3"); }, true},
};

class BrokenLessonMedia : public Lesson, public ::testing::WithParamInterface<BrokenMedia>
{};

TEST_P(BrokenLessonMedia, ThePresentationStillRunsToItsEnd)
{
    sounds.reset(); // the real back end: it must find out for itself
    LessonLevel broken{folder, GetParam().writeSound};
    broken.write(2, 2);
    if (GetParam().removeAnimations) {
        QDirIterator gifs(folder.path(), {QStringLiteral("*.gif")}, QDir::Files,
                          QDirIterator::Subdirectories);
        while (gifs.hasNext())
            ASSERT_TRUE(QFile::remove(gifs.next()));
    }
    storeLevel(2);
    modMain::SetLevel(2);
    MessageBoxScript noBoxes;
    frmMain form;
    form.Load();
    form.Show();
    form.RunLevel();

    click(form.ImgLetter);
    QTRY_VERIFY_WITH_TIMEOUT(form.AnimWordB->isVisible(), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(!form.PictureSoundB->isPlaying(), 15000);
    EXPECT_TRUE(form.AnimationPictureA->isVisible());
    EXPECT_FALSE(form.LetterSound->isPlaying());
    EXPECT_FALSE(form.PictureSoundA->isPlaying());

    click(form.cmdNext);
    EXPECT_EQ(modMain::gCurrentLetter, 2);
    EXPECT_EQ(form.cmdNext->Caption(), QStringLiteral("&Test"));
}

INSTANTIATE_TEST_SUITE_P(Lesson, BrokenLessonMedia, ::testing::ValuesIn(BrokenMediaKinds),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(Lesson, ClosingTheWindowDuringALessonReturnsToTheInformationScreen)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 3);
    click(form.cmdNext);
    click(form.ImgLetter);
    ASSERT_TRUE(of(form.LetterSound).isPlaying());

    ProgramEndCatcher end;
    closeFromTitleBar(form);
    EXPECT_FALSE(end.ended());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.pnl3dLetter->isHidden());
    EXPECT_TRUE(form.cmdBack->isHidden());
    EXPECT_FALSE(anyLessonSoundPlays(form));
    EXPECT_FALSE(form.AnimationLetter->isRunning());
}

// Tracing.

void moveWith(QWidget *box, Qt::MouseButtons buttons, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(box->mapToGlobal(at)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
}

QColor strokeAt(const TracingBox &box, QPoint at)
{
    return box.strokes().pixelColor(at);
}

TEST_F(Lesson, AnyButtonPlotsButOnlyTheLeftButtonAloneDraws)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 1);
    TracingBox *box = form.Picture2;
    const QColor colour = platform::fromBgr(0xC000C0);
    EXPECT_EQ(box->DrawWidth(), 8);

    // The right button plots a dot of the drawing width.
    QTest::mousePress(box, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(strokeAt(*box, {20, 20}), colour);
    EXPECT_EQ(strokeAt(*box, {22, 20}), colour);
    EXPECT_EQ(strokeAt(*box, {30, 20}).alpha(), 0);
    QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(20, 20));

    // The left button draws a line from where the stroke began.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 60));
    moveWith(box, Qt::LeftButton, {70, 60});
    EXPECT_EQ(strokeAt(*box, {40, 60}), colour);
    EXPECT_EQ(strokeAt(*box, {40, 63}), colour); // 8 pixels wide
    EXPECT_EQ(strokeAt(*box, {40, 70}).alpha(), 0);
    moveWith(box, Qt::LeftButton, {70, 90});
    EXPECT_EQ(strokeAt(*box, {70, 75}), colour);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(70, 90));

    // Left and right together, or the right alone, draw nothing.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 100));
    moveWith(box, Qt::LeftButton | Qt::RightButton, {70, 100});
    moveWith(box, Qt::RightButton, {70, 40});
    EXPECT_EQ(strokeAt(*box, {40, 100}).alpha(), 0);
    EXPECT_EQ(strokeAt(*box, {70, 70}), colour); // only the earlier line
    EXPECT_EQ(strokeAt(*box, {70, 45}).alpha(), 0);

    // The strokes are drawn over the picture, which fills the box.
    const QImage shown = box->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(40, 60)), colour);
    EXPECT_EQ(QColor(shown.pixel(100, 10)), traceColour(1));
}

TEST_F(Lesson, ClearWipesTheStrokesOfEveryBoxAndKeepsThePictures)
{
    frmMain form;
    form.Load();
    openLesson(form, 2, 2);
    for (TracingBox *box : form.pictureBoxes()) {
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(30, 30));
        EXPECT_EQ(strokeAt(*box, {30, 30}), platform::fromBgr(box->BackColor()));
    }

    click(form.cmdClear);
    const QColor picture = traceColour(1);
    for (TracingBox *box : form.pictureBoxes()) {
        EXPECT_EQ(strokeAt(*box, {30, 30}).alpha(), 0);
        EXPECT_FALSE(box->Picture().isNull());
        EXPECT_EQ(QColor(box->grab().toImage().pixel(30, 30)), picture);
    }

    // A new letter brings clean boxes.
    QTest::mousePress(form.Picture4, Qt::LeftButton, {}, QPoint(30, 30));
    click(form.cmdNext);
    EXPECT_EQ(strokeAt(*form.Picture4, {30, 30}).alpha(), 0);
    EXPECT_EQ(QColor(form.Picture4->grab().toImage().pixel(30, 30)), traceColour(2));
}

// Layouts.

using Rect = std::array<int, 4>;

template <typename Control> Rect rectOf(const Control &control)
{
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

Rect onPixels(int left, int top, int width, int height)
{
    const QRect r = platform::twipsRect(left, top, width, height);
    return {platform::toTwips(r.x()), platform::toTwips(r.y()), platform::toTwips(r.width()),
            platform::toTwips(r.height())};
}

int onPixels(int twips)
{
    return platform::toTwips(platform::toPixels(twips));
}

TEST_F(Lesson, On800x600TheLessonTakesTheCompactLayout)
{
    ScreenSizeDouble screen(800, 600);
    frmMain form;
    form.Load();
    openLesson(form, 2, 2);

    EXPECT_EQ(form.Height(), onPixels(8550));
    EXPECT_EQ(rectOf(*form.Picture1), onPixels(1320, 3960, 1170, 1170));
    EXPECT_EQ(rectOf(*form.Picture5), onPixels(3120, 5640, 1170, 1170));
    EXPECT_EQ(rectOf(*form.cmdNext), onPixels(5880, 7560, 1455, 375));
    EXPECT_EQ(rectOf(*form.cmdClear), onPixels(2880, 7560, 2055, 375));
    // Every control of the lesson lies inside the window's client area.
    const QWidget *client = form.pnl3dLetter->parentWidget();
    for (const QWidget *control : std::initializer_list<const QWidget *>{
             form.cmdBack, form.cmdNext, form.Instruction2, form.Picture6, form.pnl3dLetter})
        EXPECT_TRUE(client->rect().contains(control->geometry()))
            << control->metaObject()->className();

    // The tracing picture is drawn to fit the smaller box.
    const QImage shown = form.Picture1->grab().toImage();
    const QColor picture = traceColour(1);
    EXPECT_EQ(QColor(shown.pixel(1, 1)), picture);
    EXPECT_EQ(QColor(shown.pixel(shown.width() - 2, shown.height() - 2)), picture);
}

TEST_F(Lesson, OnOtherScreensTheLessonKeepsTheDesignedLayout)
{
    ScreenSizeDouble screen(1280, 1024);
    frmMain form;
    form.Load();
    openLesson(form, 2, 2);

    EXPECT_EQ(form.Height(), onPixels(9930));
    EXPECT_EQ(rectOf(*form.Picture1), onPixels(1080, 4080, 1680, 1680));
    EXPECT_EQ(rectOf(*form.Picture2), onPixels(2880, 4080, 1635, 1680));
    EXPECT_EQ(rectOf(*form.cmdNext), onPixels(5880, 8640, 1455, 375));
    const QWidget *client = form.pnl3dLetter->parentWidget();
    EXPECT_TRUE(client->rect().contains(form.cmdNext->geometry()));
    EXPECT_TRUE(client->rect().contains(form.Picture6->geometry()));
    // The narrower box is filled by its picture from edge to edge.
    const QImage shown = form.Picture2->grab().toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1)})
        EXPECT_EQ(QColor(shown.pixel(corner)), traceColour(1));
}

} // namespace
