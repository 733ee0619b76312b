// The program folder as the build leaves it (goal: at most 20 MB), and how
// much of it the executable is: what a learner's machine is given to hold.

#include <QDirIterator>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

constexpr double Megabyte = 1024.0 * 1024.0;

void BM_ProgramFolderSize(benchmark::State &state)
{
    qint64 bytes = 0;
    qint64 files = 0;
    for (auto _ : state) {
        bytes = 0;
        files = 0;
        QDirIterator it(QStringLiteral(OSTRANA_PROGRAM_FOLDER),
                        QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            bytes += it.fileInfo().size();
            ++files;
        }
    }
    if (files == 0) {
        state.SkipWithError("the program folder is empty or missing");
        return;
    }
    state.counters["folder_MB"] = double(bytes) / Megabyte;
    state.counters["executable_MB"] =
        double(QFileInfo(QStringLiteral(OSTRANA_EXECUTABLE)).size()) / Megabyte;
    state.counters["files"] = double(files);
}
BENCHMARK(BM_ProgramFolderSize)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
