// Pictures of the letter lesson in the designed and the compact layout, for a
// person to look at: the lesson as it opens, during the letter's animation,
// at the end of the presentation with some tracing, in each layout.
//   lesson_screenshots <output folder>

#include "bench/lesson/LessonFolder.h"
#include "platform/controls/AniGif.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/TracingBox.h"
#include "platform/core/Paths.h"
#include "platform/forms/Screen.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

void waitFor(int milliseconds, const std::function<bool()> &done = {})
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired() && !(done && done()))
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void mouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A wobbly stroke down the middle of a box, as a child might draw it.
void trace(TracingBox *box)
{
    const int w = box->width(), h = box->height();
    mouse(box, QEvent::MouseButtonPress, {w / 3, h / 4}, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
        mouse(box, QEvent::MouseMove, {w / 3 + (i % 3) * 4 + i * w / 40, h / 4 + i * h / 20},
              Qt::LeftButton);
    mouse(box, QEvent::MouseButtonRelease, {w / 2, 3 * h / 4}, Qt::NoButton);
}

void save(frmMain &form, const QString &file)
{
    form.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

void shoot(const QString &out, const QString &layout, QSize screen, int letter)
{
    forms::Screen::setSizeSource([screen] { return screen; });
    frmMain form;
    form.Load();
    form.Show();
    form.RunLevel();
    for (int i = 1; i < letter; ++i)
        form.cmdNext->click();
    waitFor(300);
    save(form, out + "/" + layout + "-1-open.png");

    const QPoint centre = form.ImgLetter->rect().center();
    mouse(form.ImgLetter, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    mouse(form.ImgLetter, QEvent::MouseButtonRelease, centre, Qt::NoButton);
    waitFor(700);
    save(form, out + "/" + layout + "-2-letter.png");

    waitFor(15000, [&form] { return form.AnimWordB->isVisible(); });
    waitFor(2500);
    trace(form.Picture1);
    trace(form.Picture5);
    save(form, out + "/" + layout + "-3-presented.png");
    forms::Screen::setSizeSource({});
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    const QString folder = lessonFolder();
    std::printf("program folder: %s\n", qPrintable(folder));
    platform::setAppPath(folder);
    QTemporaryDir users;
    modMain::gDbPath = users.filePath(QStringLiteral("Kelvo.kdt"));
    makeUsersDatabase(modMain::gDbPath, QStringLiteral("shots"), 8);
    modMain::OpenUserDatabase();
    modMain::gUserName = QStringLiteral("shots");
    modMain::SetLevel(8);

    shoot(out, QStringLiteral("designed"), {1024, 768}, 1);
    shoot(out, QStringLiteral("compact"), {800, 600}, 5);
    modMain::resetForTests();
    return 0;
}
