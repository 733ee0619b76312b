// The letter lesson: opening it, showing a letter, the presentation that a
// click on the letter starts, moving between letters, and tracing.
#include "platform/controls/AniGif.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/ImageEvents.h"
#include "platform/controls/LoadPicture.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/controls/TracingBox.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Screen.h"
#include "shell/Guarded.h"
#include "shell/levels/LevelTable.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QMenu>

namespace {

constexpr quint32 LessonBackColor = 0xFFC0C0;
constexpr int LetterPasses = 3;

const QString MainMenuCaption = QStringLiteral("&Main Menu");
const QString BackCaption = QStringLiteral("&Back");
const QString NextCaption = QStringLiteral("&Next");
const QString TestCaption = QStringLiteral("&Test");

// A step of the presentation: shown from its first frame in the given mode.
void prepareStep(controls::AniGif &animation, int playMode)
{
    animation.setStartFrame(0);
    animation.show();
    animation.setPlayMode(playMode);
}

// A move that a run-time error ended takes the hourglass away: the learner is
// not left waiting on it.
void showDefaultPointer()
{
    forms::Screen::setMousePointer(forms::DefaultPointer);
}

} // namespace

void frmMain::connectLesson()
{
    // The stroke animation lies over the letter picture: a click on it is a
    // click on the letter, so the presentation can be restarted at any time.
    AnimationLetter->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *letterEvents = new ImageEvents(ImgLetter);
    connect(letterEvents, &ImageEvents::Click, this, &frmMain::ImgLetter_Click);
    connect(letterEvents, &ImageEvents::MouseDown, this, &frmMain::ImgLetter_MouseDown);
    connect(letterEvents, &ImageEvents::MouseUp, this, &frmMain::ImgLetter_MouseUp);

    connect(AnimationLetter, &controls::AniGif::PlayFinished, this,
            &frmMain::Animationletter_PlayFinished);
    connect(LetterSound, &controls::SoundPlayer::PlayFinished, this,
            &frmMain::LetterSound_PlayFinished);
    connect(PictureSoundA, &controls::SoundPlayer::PlayFinished, this,
            &frmMain::PictureSoundA_PlayFinished);

    connect(cmdNext, &controls::SSCommand::Click, this, &frmMain::cmdNext_Click);
    connect(cmdBack, &controls::SSCommand::Click, this, &frmMain::cmdBack_Click);
    connect(cmdClear, &controls::SSCommand::Click, this, &frmMain::cmdClear_Click);

    for (TracingBox *box : pictureBoxes()) {
        // The strokes take the colour of their box, which shows on the white
        // tracing pictures.
        box->setForeColor(box->BackColor());
        connect(box, &TracingBox::MouseDown, this,
                [this, box](int, int, float X, float Y) { StartStroke(*box, X, Y); });
        connect(box, &TracingBox::MouseMove, this, [this, box](int Button, int, float X, float Y) {
            ContinueStroke(*box, X, Y, Button);
        });
    }
}

bool frmMain::RunLevel()
{
    bool shown = false;
    guarded([this, &shown] {
        IntroSound->Stop();
        for (TracingBox *box : pictureBoxes())
            box->hide();

        // A level that cannot be read must not open on the letters of the last one.
        modMain::gLetterCount = 0;
        modMain::LoadLetterRecords();
        if (modMain::gLetterCount < 1) {
            // The information screen that the wait took apart comes back,
            // and over it the learner reads the error the reader left pending.
            MainScreen();
            Show();
            modErrors::ShowPendingMessage(this);
            return;
        }
        shown = true;
        modMain::gCurrentLetter = 1;
        ShowLetter();

        ssPnlInfo->hide();
        pnl3dLetter->show();
        mnuFile->menuAction()->setVisible(false);
        mnuHelp->menuAction()->setVisible(false);

        setHeight(mintFormHeight);
        placeClientArea();
        forms::CenterForm(*this);
        setBackColor(LessonBackColor);

        cmdBack->setCaption(MainMenuCaption);
        cmdBack->show();
        cmdNext->show();
        cmdNext->setCaption(NextCaption);
        for (TracingBox *box : pictureBoxes())
            box->show();

        controls::showAnimation(*AnimClick, QStringLiteral("\\Animation\\click.gif"));
        const levels::LevelRow *level =
            levels::row(modMain::GetUserLevel(modMain::gUserName, false));
        const bool numbers = level != nullptr && level->numberInstruction;
        controls::showAnimation(*Instruction2,
                                numbers ? QStringLiteral("\\Animation\\numberinstruction2.gif")
                                        : QStringLiteral("\\Animation\\instruction2.gif"));
        cmdClear->show();
    });
    return shown;
}

// Nothing plays until the learner clicks the letter. A picture that cannot be
// loaded ends the showing there: what came before shows the new letter, what
// comes after keeps the previous one.
void frmMain::ShowLetter()
{
    guarded([this] {
        const int index = modMain::gCurrentLetter;
        if (index < 1 || index > modMain::gLetterCount || index >= int(modMain::gLetters.size()))
            platform::raise(platform::err::SubscriptOutOfRange,
                            QStringLiteral("Subscript out of range"));
        const Letter &L = modMain::gLetters[size_t(index)];

        AnimationLetter->hide();
        LetterSound->setVisible(false);
        LetterLabel->hide();
        AnimationPictureA->hide();
        PictureSoundA->setVisible(false);
        AnimWordA->hide();
        AnimationPictureB->hide();
        PictureSoundB->setVisible(false);
        AnimWordB->hide();

        ImgLetter->setPixmap(LoadPicture(L.LetterPicture));

        AnimationLetter->ReadGIF(L.LetterAnimation);
        LetterLabel->setText(L.LetterPronounciation);
        LetterLabel->adjustSize();

        AnimationPictureA->ReadGIF(L.PictureAAnimation);
        controls::place(*AnimationPictureA, L.PictureATop, L.PictureALeft, L.PictureAHeight,
                        L.PictureAWidth);
        AnimWordA->ReadGIF(L.PictureAWord);

        AnimationPictureB->ReadGIF(L.PictureBAnimation);
        controls::place(*AnimationPictureB, L.PictureBTop, L.PictureBLeft, L.PictureBHeight,
                        L.PictureBWidth);
        AnimWordB->ReadGIF(L.PictureBWord);

        const auto boxes = pictureBoxes();
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setPicture(LoadPicture(L.PictureLetter[i]));

        LetterSound->Close();
        LetterSound->Open(L.LetterSound);
        PictureSoundA->Close();
        PictureSoundA->Open(L.PictureASound);
        PictureSoundB->Close();
        PictureSoundB->Open(L.PictureBSound);
    });
}

// The presentation: the letter drawn three times while its sound plays, then
// picture A with its word and sound, then picture B with both words. Each
// step starts from the end of the one before; a player that was stopped
// raises no end, so a presentation that was restarted or left never resumes.
void frmMain::ImgLetter_Click()
{
    guarded([this] {
        AnimClick->hide();
        stopLessonMedia();

        prepareStep(*AnimationLetter, controls::AniGif::PlayRepeated);
        AnimationLetter->setRepeatCount(LetterPasses);
        AnimationLetter->Play();
        LetterSound->Play();
        LetterLabel->show();
    });
}

void frmMain::Animationletter_PlayFinished()
{
    guarded([this] {
        AnimationLetter->hide();
        AnimationLetter->Stop();
        mblnPlayDone = true;
    });
}

// Word A runs while picture A speaks, and starts again with word B.
void frmMain::LetterSound_PlayFinished()
{
    guarded([this] {
        prepareStep(*AnimationPictureA, controls::AniGif::PlayRepeated);
        AnimationPictureA->setRepeatCount(1);
        prepareStep(*AnimWordA, controls::AniGif::PlayContinuous);
        AnimationPictureA->Play();
        AnimWordA->Play();
        PictureSoundA->Play();
    });
}

void frmMain::PictureSoundA_PlayFinished()
{
    guarded([this] {
        prepareStep(*AnimationPictureB, controls::AniGif::PlayRepeated);
        AnimationPictureB->setRepeatCount(1);
        prepareStep(*AnimWordB, controls::AniGif::PlayContinuous);
        AnimationPictureB->Play();
        AnimWordA->Play();
        AnimWordB->Play();
        PictureSoundB->Play();
    });
}

void frmMain::ImgLetter_MouseDown()
{
    guarded([this] { pnl3dLetter->setBevelOuter(1); });
}

void frmMain::ImgLetter_MouseUp()
{
    guarded([this] { pnl3dLetter->setBevelOuter(2); });
}

// The five animations keep their visibility; the three sounds stop.
void frmMain::stopLessonMedia()
{
    controls::AniGif *const animations[] = {AnimationLetter, AnimationPictureA, AnimWordA,
                                            AnimationPictureB, AnimWordB};
    for (controls::AniGif *animation : animations)
        animation->Stop();
    LetterSound->Stop();
    PictureSoundA->Stop();
    PictureSoundB->Stop();
}

void frmMain::cmdNext_Click()
{
    guarded(
        [this] {
            forms::Screen::setMousePointer(forms::Hourglass);
            if (modMain::gCurrentLetter == modMain::gLetterCount - 1)
                cmdNext->setCaption(TestCaption);
            if (modMain::gCurrentLetter == modMain::gLetterCount) {
                controls::AniGif *const animations[] = {AnimationLetter, AnimationPictureA,
                                                        AnimWordA, AnimationPictureB, AnimWordB};
                for (controls::AniGif *animation : animations)
                    animation->hide();
                LetterLabel->hide();
                stopLessonMedia();

                RunLevelTest();
                if (mnuFile->menuAction()->isVisible())
                    Show();
                else
                    ContinueAfterTest();
                // Home after the test, whichever way: nothing of the lesson
                // may come back over the information screen.
                if (mnuFile->menuAction()->isVisible()) {
                    forms::Screen::setMousePointer(forms::DefaultPointer);
                    return;
                }
                // Back in a lesson after the test: it starts again at its first letter.
                modMain::gCurrentLetter = 0;
                cmdNext->setCaption(NextCaption);
            }
            ResetLetterMedia();
            ++modMain::gCurrentLetter;
            ShowLetter();
            cmdBack->show();
            cmdBack->setCaption(modMain::gCurrentLetter == 1 ? MainMenuCaption : BackCaption);
            forms::Screen::setMousePointer(forms::DefaultPointer);
        },
        showDefaultPointer);
}

void frmMain::cmdBack_Click()
{
    guarded(
        [this] {
            forms::Screen::setMousePointer(forms::Hourglass);
            if (cmdBack->Caption() == MainMenuCaption) {
                forms::Screen::setMousePointer(forms::DefaultPointer);
                ResetLetterMedia();
                MainScreen();
                return;
            }
            if (modMain::gCurrentLetter == modMain::gLetterCount)
                cmdNext->setCaption(NextCaption);
            ResetLetterMedia();
            cmdBack->setCaption(modMain::gCurrentLetter == 2 ? MainMenuCaption : BackCaption);
            cmdBack->show();
            --modMain::gCurrentLetter;
            ShowLetter();
            forms::Screen::setMousePointer(forms::DefaultPointer);
        },
        showDefaultPointer);
}

void frmMain::cmdClear_Click()
{
    guarded([this] {
        for (TracingBox *box : pictureBoxes())
            box->Cls();
    });
}

void frmMain::StartStroke(TracingBox &box, float X, float Y)
{
    guarded([&box, X, Y] { box.PSet(X, Y); });
}

void frmMain::ContinueStroke(TracingBox &box, float X, float Y, int Button)
{
    guarded([&box, X, Y, Button] {
        // Only the left button alone draws.
        if (Button == TracingBox::LeftButton)
            box.Line(X, Y);
    });
}
