// Resident memory as a learner plays, through the real windows with the real
// sound back end on the program folder the build makes:
//   - resident_MB: VmRSS once the course has been played (goal: under
//     100 MB), and peak_MB, VmHWM by the end;
//   - growth_MB: VmRSS after a level played ten times more, less after the
//     first of the ten (goal: no growth, within the allocator's slack);
//   - widgets_, windows_, players_ and db_files_gained: live widgets,
//     top-level windows, sound players and open database files gained over
//     those ten (goal: none; any is a leak).

#include "bench/memory/Census.h"
#include "bench/memory/CourseRun.h"

#include <benchmark/benchmark.h>

namespace {

// The course as far as this benchmark plays it. The whole-course driver of
// the acceptance tests (tests/support/CourseDriver) plugs in here once it is
// on main, to play every level before the repeats.
void playCourse(CourseRun &run)
{
    run.playLetterLevel();
    run.playSpellingLevel();
}

// The level repeated: a lesson with its test, and the spelling window.
void playRepeatedLevel(CourseRun &run)
{
    run.playLetterLevel();
    run.playSpellingLevel();
}

void BM_PlayAndRepeat(benchmark::State &state)
{
    for (auto _ : state) {
        CourseRun run;
        playCourse(run);
        const Census played = takeCensus();
        playRepeatedLevel(run);
        const Census first = takeCensus();
        for (int i = 1; i < 10; ++i)
            playRepeatedLevel(run);
        const Census tenth = takeCensus();
        if (!run.error().isEmpty()) {
            state.SkipWithError(qPrintable(run.error()));
            return;
        }
        state.counters["resident_MB"] = played.residentMB;
        state.counters["peak_MB"] = tenth.peakMB;
        state.counters["growth_MB"] = tenth.residentMB - first.residentMB;
        state.counters["widgets_gained"] = tenth.widgets - first.widgets;
        state.counters["windows_gained"] = tenth.windows - first.windows;
        state.counters["players_gained"] = tenth.players - first.players;
        state.counters["db_files_gained"] = tenth.databaseFiles - first.databaseFiles;
        state.counters["widgets"] = tenth.widgets;
        state.counters["db_files"] = tenth.databaseFiles;
    }
}
BENCHMARK(BM_PlayAndRepeat)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
