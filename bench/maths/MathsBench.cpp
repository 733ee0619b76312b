// Drawing the ten sums of one maths test with the run's draw generator, on
// the offscreen platform with a window shown, so that each yield after a
// refused sum is a real turn of the message loop:
//   - BM_DivisionSet: stage 4, whose whole quotients are the rarest sums
//     (about twelve draws a question; goal: median under 2 ms);
//   - BM_MultiplicationSet and BM_AllSet for comparison.
// Each set is timed on its own; the counters give the median and the 90th
// percentile in milliseconds, and the yields per set.

#include "bench/support/Timings.h"
#include "exercises/keyboard/maths/MathsQuestions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QWidget>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// Counts the turns the message loop gets: a posted event is handled once
// per turn and posts the next.
class TurnCounter final : public QObject
{
public:
    int turns = 0;
    void start() { QApplication::postEvent(this, new QEvent(QEvent::User)); }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++turns;
        start();
        return true;
    }
};

void drawSets(benchmark::State &state, int stage)
{
    QWidget window;
    window.resize(523, 628);
    window.show();
    QApplication::processEvents();
    maths::MathsQuestions questions;
    TurnCounter counter;
    counter.start();
    std::vector<double> seconds;
    long turns = 0;
    for (auto _ : state) {
        counter.turns = 0;
        QElapsedTimer timer;
        timer.start();
        const bool drawn = questions.GenerateQuestions(stage, 50, 10);
        const double elapsed = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        turns += counter.turns;
        if (!drawn) {
            state.SkipWithError("no set was drawn");
            break;
        }
    }
    reportTimings(state, seconds);
    state.counters["yields"] = double(turns) / double(std::max<size_t>(seconds.size(), 1));
}

void BM_DivisionSet(benchmark::State &state)
{
    drawSets(state, 4);
}
BENCHMARK(BM_DivisionSet)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);

void BM_MultiplicationSet(benchmark::State &state)
{
    drawSets(state, 3);
}
BENCHMARK(BM_MultiplicationSet)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);

void BM_AllSet(benchmark::State &state)
{
    drawSets(state, 5);
}
BENCHMARK(BM_AllSet)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2000);

} // namespace
