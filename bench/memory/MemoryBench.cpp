// Resident memory as a new learner plays the whole course, through the real
// windows with the real sound back end, on a copy of the program folder the
// build makes (CourseRun):
//   - resident_MB: VmRSS once every level has been played to stored level 26
//     (goal: under 100 MB), and peak_MB, VmHWM by the end;
//   - growth_MB: VmRSS after a lesson with its letter-order test and the
//     spelling test played ten times more, less after the first of the ten
//     (goal: no growth, within the allocator's slack);
//   - widgets_, windows_, players_ and db_files_gained: live widgets,
//     top-level windows, sound players and open database files gained over
//     those ten (goal: none; any is a leak).

#include "bench/memory/Census.h"
#include "bench/memory/CourseRun.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PlayAndRepeat(benchmark::State &state)
{
    for (auto _ : state) {
        CourseRun run;
        run.playCourse();
        const Census played = takeCensus();
        run.playRepeatedLevel();
        const Census first = takeCensus();
        for (int i = 1; i < 10 && run.error().isEmpty(); ++i)
            run.playRepeatedLevel();
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
