// The letter lesson as a learner moves through it, through the real main
// window on the offscreen platform with the real sound back end:
//   - "&Next" from one letter to the next until the window is repainted
//     (goal: median under 5 ms);
//   - opening the lesson of level 8, its 34 letters, from the information
//     screen until the window is repainted (goal: under 100 ms).
// Each move is timed on its own; the counters give the median and the 90th
// percentile in milliseconds.

#include "bench/lesson/LessonFolder.h"
#include "bench/support/Timings.h"
#include "platform/controls/SSCommand.h"
#include "platform/core/Paths.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString Learner = QStringLiteral("bench");

// The logged-in learner at level 8, the main window loaded and shown.
class LessonWindow
{
public:
    LessonWindow()
    {
        const QString folder = lessonFolder();
        std::fprintf(stderr, "program folder: %s\n", qPrintable(folder));
        platform::setAppPath(folder);
        modMain::resetForTests();
        modMain::gDbPath = m_users.filePath(QStringLiteral("Kelvo.kdt"));
        makeUsersDatabase(modMain::gDbPath, Learner, 8);
        modMain::OpenUserDatabase();
        modMain::gUserName = Learner;
        modMain::SetLevel(8);
        form = std::make_unique<frmMain>();
        form->Load();
        form->Show();
        settle();
    }

    ~LessonWindow()
    {
        form.reset();
        modMain::resetForTests();
    }

    // Whatever the window still had to do (queued ends, pending paints).
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    std::unique_ptr<frmMain> form;

private:
    QTemporaryDir m_users;
};

void BM_NextLetter(benchmark::State &state)
{
    LessonWindow window;
    frmMain &form = *window.form;
    form.RunLevel();
    LessonWindow::settle();
    std::vector<double> seconds;
    for (auto _ : state) {
        if (modMain::gCurrentLetter >= modMain::gLetterCount - 1) {
            // Back to the first letter, off the clock, before "&Next" would end the lesson.
            form.MainScreen();
            form.RunLevel();
            LessonWindow::settle();
        }
        QElapsedTimer timer;
        timer.start();
        form.cmdNext->click();
        form.repaint();
        const double elapsed = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        LessonWindow::settle();
    }
    if (!modErrors::gErrMsg.isEmpty())
        state.SkipWithError(qPrintable(modErrors::gErrMsg));
    reportTimings(state, seconds);
}
BENCHMARK(BM_NextLetter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_OpenLevel8Lesson(benchmark::State &state)
{
    LessonWindow window;
    frmMain &form = *window.form;
    std::vector<double> seconds;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        form.RunLevel();
        form.repaint();
        const double elapsed = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (modMain::gLetterCount != 34) {
            state.SkipWithError("level 8 should have 34 letters");
            break;
        }
        LessonWindow::settle();
        form.MainScreen();
        LessonWindow::settle();
    }
    if (!modErrors::gErrMsg.isEmpty())
        state.SkipWithError(qPrintable(modErrors::gErrMsg));
    reportTimings(state, seconds);
}
BENCHMARK(BM_OpenLevel8Lesson)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
