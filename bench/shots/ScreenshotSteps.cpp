#include "bench/shots/ScreenshotSteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace shots {

void waitFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void saveScreen(const QString &file)
{
    QApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s\n", qPrintable(file));
}

void clickImage(QWidget *image)
{
    const QPoint at = image->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(image->mapToGlobal(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(image, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), QPointF(image->mapToGlobal(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(image, &release);
}

void markAndShoot(QAbstractButton *mark, const QString &out)
{
    QTimer::singleShot(1000, [out] {
        saveScreen(out + "-3-score.png");
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    mark->click();
    waitFor(1000);
    saveScreen(out + "-4-marked.png");
}

} // namespace shots
