// The information screen: loading the window, its text, returning to it, the
// start-up sound that loops on it, and closing the window.
#include "platform/controls/AniGif.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/controls/TracingBox.h"
#include "platform/forms/CenterForm.h"
#include "shell/Guarded.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"

#include <QMenu>

QString frmMain::InformationText()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString paragraph = crlf + crlf;
    const QString indent = QStringLiteral("\t       ");
    // Short enough that the contact block ends up beside the logo, which
    // stands over the text box's lower left corner, in both layouts.
    const QStringList paragraphs = {
        // The first runs straight on into the second.
        QStringLiteral("For thirty years the Ostrana Gujarati School has taught young people "
                       "Gujarati. ") +
            QStringLiteral("Its classes are free; its teachers are volunteers."),
        QStringLiteral("The school writes and publishes its own textbooks."),
        QStringLiteral("Children now learn with computers, so our lessons come to the computer "
                       "too, with pictures, sounds and animations."),
        QStringLiteral("This course was made to make learning Gujarati easier."),
        QStringLiteral("To join a class, to help as a teacher or to tell us what you think, "
                       "please contact us:"),
    };
    const QStringList contact = {
        QStringLiteral("Ostrana Gujarati School"), QStringLiteral("1 Example Road"),
        QStringLiteral("Exampleton EX1 2AB"),      QStringLiteral("E-mail: info@example.org"),
        QStringLiteral("Web: www.example.org"),
    };
    QStringList contactLines;
    for (const QString &line : contact)
        contactLines.append(indent + line);
    return paragraphs.join(paragraph) + paragraph + contactLines.join(crlf);
}

void frmMain::Form_Load()
{
    guarded([this] {
        mblnWaiting = false;
        mblnPlayDone = false;
        txtInformation->setText(InformationText());

        LetterLabel->hide();
        AnimClick->hide();
        AnimationLetter->hide();
        AnimationPictureA->hide();
        AnimWordA->hide();
        AnimationPictureB->hide();
        AnimWordB->hide();
        LetterSound->setVisible(false);
        PictureSoundA->setVisible(false);
        PictureSoundB->setVisible(false);

        controls::showAnimation(*aniLogo, QStringLiteral("\\Animation\\logo.gif"));
        controls::showAnimation(*aniClick2, QStringLiteral("\\Animation\\click2.gif"));

        ArrangeFor800x600();
        forms::CenterForm(*this);
    });
}

void frmMain::MainScreen()
{
    guarded([this] {
        EnableDisableMenus(true);

        txtInformation->setText(InformationText());
        ssPnlInfo->show();
        mnuFile->menuAction()->setVisible(true);
        mnuHelp->menuAction()->setVisible(true);
        // The lesson had the window to itself: the bar takes its place again
        // and the window its own size.
        sizeInformationScreen();
        forms::CenterForm(*this);
        setBackColor(InfoBackColor);

        pnl3dLetter->hide();
        cmdBack->hide();
        cmdNext->hide();
        for (TracingBox *box : pictureBoxes())
            box->hide();
        AnimClick->hide();
        Instruction2->hide();
        cmdClear->hide();

        aniClick2->show();
        aniClick2->Play();
        aniLogo->show();
        aniLogo->Play();
    });
}

void frmMain::ResetLetterMedia()
{
    LetterLabel->hide();
    controls::showAnimation(*AnimClick, QStringLiteral("\\Animation\\click.gif"));
    controls::AniGif *const media[] = {AnimationLetter, AnimationPictureA, AnimWordA,
                                       AnimationPictureB, AnimWordB};
    for (controls::AniGif *animation : media)
        animation->hide();
    for (controls::AniGif *animation : media)
        animation->Stop();
    LetterSound->Stop();
    PictureSoundA->Stop();
    PictureSoundB->Stop();
}

// On the information screen the start-up sound repeats until a menu choice
// waits for the end of the playback in progress.
void frmMain::IntroSound_PlayFinished()
{
    mblnPlayDone = true;
    if (!mblnWaiting) {
        IntroSound->Play();
        mblnPlayDone = false;
    }
}

void frmMain::Form_QueryUnload(bool &Cancel, int)
{
    // Closing a lesson goes back to the information screen; closing that ends
    // the program.
    if (!mnuFile->menuAction()->isVisible()) {
        Cancel = true;
        ResetLetterMedia();
        MainScreen();
    }
}

void frmMain::Form_Unload(bool &)
{
    guarded([] { modMain::CloseDatabaseAndEnd(); });
}
