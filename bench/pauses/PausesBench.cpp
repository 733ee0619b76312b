// The pauses inside two clicks, through the real windows on the offscreen
// platform: how long the windows do not answer while they run (goal: the
// longest stretch under 50 ms), measured by a probe that ticks every
// millisecond from the click's start to its end.
//   - BM_KeyClick: a key of the spelling test's letter keyboard, lit for
//     500 ms;
//   - BM_SyllableClick: a syllable of the chart, four recordings (ended at
//     once by the sound double) with a pause of 350 ms after each of the
//     first three.
// The iteration time is the whole click; the counters give the median, the
// 90th percentile and the longest of each click's longest stretch.

#include "bench/pauses/UnansweredProbe.h"
#include "bench/support/Timings.h"
#include "course/schema/Writer.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "exercises/letters/syllables/frmLevel25.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/WordLevel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A program folder of the test's kind, sounds that end at once, and no
// learner: nothing here stores a level.
class Course
{
public:
    Course()
    {
        modMain::resetForTests();
        FakeSoundBackend::setAutoFinish(true);
    }
    ~Course() { modMain::resetForTests(); }
    Q_DISABLE_COPY_MOVE(Course)

    TempProgramFolder folder;

private:
    std::unique_ptr<FakeSoundBackend::Installation> m_sounds = FakeSoundBackend::install();
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Times `clickOnce` per iteration and reports each click's longest stretch
// without an answer.
void measure(benchmark::State &state, const std::function<void()> &clickOnce)
{
    UnansweredProbe probe;
    std::vector<double> longest;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        probe.start();
        clickOnce();
        longest.push_back(probe.stop());
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        settle();
    }
    if (!modErrors::gErrMsg.isEmpty())
        state.SkipWithError(qPrintable(modErrors::gErrMsg));
    reportTimings(state, longest);
}

void BM_KeyClick(benchmark::State &state)
{
    Course course;
    WordLevel words(course.folder, 10);
    words.writeKeys();
    words.writePool();
    words.writePassMark(8);
    modMain::gLevelDbPath = course.folder.levelDatabase(10);
    frmLevel10 form;
    form.Load();
    form.Show();
    form.cmdStartTest->click();
    settle();
    frmKeyboard *keyboard = form.keyboard();
    if (keyboard == nullptr) {
        state.SkipWithError("the test should show its keyboard");
        return;
    }
    int key = 0;
    measure(state, [&] {
        click(keyboard->ImgLetter.at(std::size_t(key)));
        key = (key + 7) % 34;
        // As the window does when it takes an answer.
        keyboard->setCurrentKeyIdx(-1);
    });
    form.Unload();
}
BENCHMARK(BM_KeyClick)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);

void BM_SyllableClick(benchmark::State &state)
{
    Course course;
    modMain::gLevelDbPath = course.folder.levelDatabase(13);
    schema::Writer(modMain::gLevelDbPath).addConfiguration(33);
    frmLevel25 chart;
    chart.Load();
    chart.Show();
    settle();
    int syllable = 0;
    measure(state, [&] {
        click(chart.pnlLetter1.at(std::size_t(syllable)));
        syllable = (syllable + 5) % 12;
    });
    if (!chart.idle())
        state.SkipWithError("the chart should be idle after a click");
}
BENCHMARK(BM_SyllableClick)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);

} // namespace
