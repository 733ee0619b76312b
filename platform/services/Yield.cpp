#include "platform/services/Yield.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace services {

void DoEvents()
{
    QCoreApplication::processEvents();
}

void Sleep(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    // The window system keeps the learner's input queued meanwhile and hands
    // it over, in order, to the first loop after the pause that takes input.
    QEventLoop pause;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace services
