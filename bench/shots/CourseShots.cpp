// Every window of the course as a learner meets it, for a person to look at:
// a new learner plays from the login's "New" to the last level with the
// journey tests' driver, on the X11 display of DISPLAY, and the whole screen
// is taken as each window comes up, then the about box over the main window.
//   course_shots <output folder>
// Exits non-zero when the course did not run through.

#include "bench/shots/ScreenshotSteps.h"
#include "shell/dialogs/frmAbout.h"
#include "shell/mainwindow/frmMain.h"
#include "tests/support/CourseDriver.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>

#include <cstdio>
#include <gtest/gtest-spi.h>

namespace {

// Lets GIFs reach a frame with something in it and the window manager frame
// the window.
constexpr int SettleMs = 900;

QString fileName(int number, const QString &name)
{
    QString plain = name;
    plain.remove(u'&');
    plain.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(plain.toLower());
}

class Shots final
{
public:
    explicit Shots(const QString &out)
        : m_out(out)
    {}

    void take(const QString &name)
    {
        shots::waitFor(SettleMs);
        shots::saveScreen(QDir(m_out).filePath(fileName(++m_taken, name)));
    }

private:
    QString m_out;
    int m_taken = 0;
};

bool playCourse(const QString &out)
{
    ::testing::TestPartResultArray failures;
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
    Shots shots(out);
    CourseDriver course(QStringLiteral(OSTRANA_PROGRAM_FOLDER));
    course.onShown = [&shots](QWidget &, const QString &name) { shots.take(name); };
    course.startAsNewLearner(QStringLiteral("Mira"), QStringLiteral("pw"));
    for (int level = 1; level <= 25 && failures.size() == 0; level = course.lastDone() + 1)
        course.play(level);

    WhenModal about([&shots](QWidget *modal) {
        shots.take(QStringLiteral("about"));
        if (auto *box = qobject_cast<frmAbout *>(modal))
            box->cmdOK->click();
    });
    course.main().mnuHelpItem[2]->trigger();

    for (int i = 0; i < failures.size(); ++i)
        std::fprintf(stderr, "%s\n", failures.GetTestPartResult(i).message());
    return failures.size() == 0 && course.lastDone() == 25 && about.done();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fputs("usage: course_shots <output folder>\n", stderr);
        return 64;
    }
    return playCourse(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
