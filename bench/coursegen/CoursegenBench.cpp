#include "course/coursegen/CoursePlan.h"
#include "course/coursegen/CourseTables.h"
#include "course/coursegen/FolderBuilder.h"
#ifdef OSTRANA_COURSE_MEDIA
#include "course/coursegen/CourseMedia.h"
#endif

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

coursegen::CoursePlan coursePlan()
{
    return coursegen::CoursePlan::make(
        coursegen::CourseTables::load(QStringLiteral(OSTRANA_COURSE_TABLES)));
}

// Writes a stand-in file: the no-change run only looks at what lies there.
void touch(const coursegen::MediaJob &job, const QString &file)
{
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(job.inputHash());
}

void BM_ReadTablesAndPlan(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(coursePlan());
}
BENCHMARK(BM_ReadTablesAndPlan)->Unit(benchmark::kMillisecond);

// Goal: under 2 s for the whole run, tables and plan included.
void BM_RunWithNothingChanged(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString manifest = dir.filePath(QStringLiteral("folder.manifest"));
    const QString folder = dir.filePath(QStringLiteral("program"));
    coursegen::FolderBuilder(folder, manifest, touch).build(coursePlan());
    for (auto _ : state) {
        const auto summary = coursegen::FolderBuilder(folder, manifest, touch).build(coursePlan());
        if (summary.made != 0)
            state.SkipWithError("the run made files");
    }
}
BENCHMARK(BM_RunWithNothingChanged)->Unit(benchmark::kMillisecond);

#ifdef OSTRANA_COURSE_MEDIA
// Goal: under 60 s on 8 cores.
void BM_FullGeneration(benchmark::State &state)
{
    const coursegen::CoursePlan plan = coursePlan();
    for (auto _ : state) {
        QTemporaryDir dir;
        const auto summary =
            coursegen::FolderBuilder(dir.filePath(QStringLiteral("program")),
                                     dir.filePath(QStringLiteral("folder.manifest")),
                                     coursegen::makeCourseMedium)
                .build(plan);
        if (!summary.ok())
            state.SkipWithError("generation failed");
    }
}
BENCHMARK(BM_FullGeneration)->Unit(benchmark::kSecond)->Iterations(1);
#endif

} // namespace
