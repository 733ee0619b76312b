// The spelling window's study page through the real window on the offscreen
// platform: twenty words, each read from the level database on a connection
// of its own for its letters and again for its recording (forty reads), and
// drawn as up to 120 letter pictures (goal: median under 50 ms, built and
// painted).
//   - BM_NewStudyPage: "Start &New Test" in a window that is open;
//   - BM_OpenSpellingWindow: a new window loaded (its key set read, its
//     first page built) and painted.
// Each is timed on its own; the counters give the median and the 90th
// percentile in milliseconds.

#include "bench/spelling/SpellingFolder.h"
#include "bench/support/Timings.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "exercises/keyboard/words/PictureCell.h"
#include "platform/controls/SSCommand.h"
#include "platform/core/Paths.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

const QString Learner = QStringLiteral("bench");

// The learner at level 10 in a folder of the spelling window's own.
class SpellingLevel
{
public:
    SpellingLevel()
    {
        makeSpellingFolder(m_folder.path(), Learner);
        platform::setAppPath(m_folder.path());
        modMain::resetForTests();
        modMain::gDbPath = m_folder.filePath(QStringLiteral("Kelvo.kdt"));
        modMain::OpenUserDatabase();
        modMain::gUserName = Learner;
        modMain::SetLevel(-1);
    }

    ~SpellingLevel()
    {
        modMain::resetForTests();
        platform::setAppPath(QString());
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

private:
    QTemporaryDir m_folder;
};

void report(benchmark::State &state, const std::vector<double> &seconds)
{
    if (!modErrors::gErrMsg.isEmpty())
        state.SkipWithError(qPrintable(modErrors::gErrMsg));
    reportTimings(state, seconds);
}

bool fullPage(const frmLevel10 &form)
{
    return form.studyWordIds().size() == 20 && !form.picWord[19][5]->pixmap().isNull();
}

void BM_NewStudyPage(benchmark::State &state)
{
    SpellingLevel level;
    frmLevel10 form;
    form.Load();
    form.Show();
    SpellingLevel::settle();
    std::vector<double> seconds;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        form.cmdStartNewTest->click();
        form.repaint();
        const double elapsed = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (!fullPage(form)) {
            state.SkipWithError("the study page should show 20 words of six letters");
            break;
        }
        SpellingLevel::settle();
    }
    report(state, seconds);
}
BENCHMARK(BM_NewStudyPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

void BM_OpenSpellingWindow(benchmark::State &state)
{
    SpellingLevel level;
    std::vector<double> seconds;
    for (auto _ : state) {
        auto form = std::make_unique<frmLevel10>();
        QElapsedTimer timer;
        timer.start();
        form->Load();
        form->Show();
        form->repaint();
        const double elapsed = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (!fullPage(*form)) {
            state.SkipWithError("the study page should show 20 words of six letters");
            break;
        }
        form->Unload();
        form.reset();
        SpellingLevel::settle();
    }
    report(state, seconds);
}
BENCHMARK(BM_OpenSpellingWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace
