// The wait of the first exercise choice for the start-up sound: the playback in
// progress is heard to its end, and is not started again.
#include "platform/controls/AniGif.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/forms/Screen.h"
#include "platform/services/Yield.h"
#include "shell/mainwindow/frmMain.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTimer>

void frmMain::WaitForIntroEnd()
{
    forms::Screen::setMousePointer(forms::Hourglass);
    mnuFile->menuAction()->setEnabled(false);
    mnuHelp->menuAction()->setEnabled(false);
    aniClick2->setVisible(false);
    aniClick2->Stop();

    aniLoading->setStartFrame(0);
    aniLoading->ReadGIF(platform::AppPath() + QStringLiteral("\\Animation\\loading.gif"));
    aniLoading->setVisible(true);
    services::DoEvents();

    mblnWaiting = true;
    // The sound's end sets mblnPlayDone from the handler of its PlayFinished.
    // A sound that no longer plays can report no end, and one whose end never
    // comes is given up at the limit; both count as ended, and stopping the
    // player drops any late end, which would otherwise start the loop again.
    // The limit is the timer's own timeout: it also wakes the loop, and a
    // separate clock could find the limit not yet reached when it fires.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(mintIntroWaitLimit);
    while (!mblnPlayDone) {
        if (!IntroSound->isPlaying() || !limit.isActive()) {
            IntroSound->Stop();
            mblnPlayDone = true;
            break;
        }
        // Sleeps until an event comes; the limit's timeout is one.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    aniLoading->setVisible(false);
    mblnWaiting = false;

    mnuFile->menuAction()->setEnabled(true);
    mnuHelp->menuAction()->setEnabled(true);
    aniLogo->setVisible(false);
    aniLogo->Stop();
    forms::Screen::setMousePointer(forms::DefaultPointer);
}
