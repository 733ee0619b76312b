// The program's start-up: the time from starting the process until the login
// dialog shows with its first paint on the screen, on the X11 display of
// DISPLAY (goal: median under 40 ms) and on the offscreen platform, and until
// the splash has its first paint, each beside a plain Qt dialog of the
// login's kind started on the same display (bare_login_dialog), and the
// resident memory once the main window is up (goal: under 100 MB). What runs is ostrana_probed, the
// program's start-up with a probe that reports and ends it, from a copy of the program folder with
// a users database of its own.

#include "course/schema/Create.h"
#include "course/schema/Writer.h"
#include "shell/PasswordHash.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

const QString ProbeUser = QStringLiteral("bench");
const QString ProbePassword = QStringLiteral("start-up");
const QStringList SplashShown{QStringLiteral("splash")};
const QStringList LoginShown{QStringLiteral("login")};
const QStringList MainShown{QStringLiteral("main"), ProbeUser, ProbePassword};

// Runs a program until it reports its one line; returns the line and the time
// it took in seconds.
QByteArray runUntilReport(const QString &program, const QStringList &arguments, double *seconds,
                          const char *platform)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray line;
    while (!line.contains('\n') && process.waitForReadyRead(10000))
        line += process.readAllStandardOutput();
    *seconds = double(clock.nsecsElapsed()) / 1e9;
    process.waitForFinished(10000);
    if (!line.contains('\n'))
        throw std::runtime_error("the program did not report: " +
                                 process.readAllStandardError().toStdString());
    return line.trimmed();
}

// A copy of the built program folder (the media the content tool made, when
// it is there), with a users database holding one learner.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        if (!m_dir.isValid())
            throw std::runtime_error("no temporary folder");
        const QDir built(QStringLiteral(OSTRANA_PROGRAM_FOLDER));
        QDirIterator files(built.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString source = files.next();
            const QString relative = built.relativeFilePath(source);
            if (relative.compare(QStringLiteral("Kelvo.kdt"), Qt::CaseInsensitive) == 0 ||
                relative == QLatin1String("ostrana"))
                continue;
            const QString target = m_dir.filePath(relative);
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
        }
        const QString probed = QStringLiteral(OSTRANA_PROBED_PROGRAM);
        if (!QFile::copy(probed, program()))
            throw std::runtime_error("cannot copy the probed program");
        QFile::setPermissions(program(), QFile::permissions(probed));
        const QString users = m_dir.filePath(QStringLiteral("Kelvo.kdt"));
        schema::createUsersDatabase(users);
        schema::Writer(users).addUser(ProbeUser, passwords::hash(ProbePassword), 1);
    }

    QString program() const
    {
        return m_dir.filePath(QFileInfo(QStringLiteral(OSTRANA_PROBED_PROGRAM)).fileName());
    }

    // Runs the program until its probe reports.
    QByteArray run(const QStringList &arguments, double *seconds,
                   const char *platform = "offscreen") const
    {
        return runUntilReport(program(), arguments, seconds, platform);
    }

private:
    QTemporaryDir m_dir;
};

const ProgramFolder &programFolder()
{
    static const ProgramFolder folder;
    return folder;
}

// Each repetition starts a plain Qt dialog of the login's kind and then the
// program, one after the other, so that both meet the same machine: the time
// is the program's until the window that the probe watches has had its first
// paint, bare_ms the plain dialog's and above_bare_ms the difference.
void timeToFirstPaint(benchmark::State &state, const char *platform, const QStringList &probe,
                      const QByteArray &expected)
{
    if (std::strcmp(platform, "xcb") == 0 && qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X11 display: DISPLAY is not set");
        return;
    }
    const QString bare = QStringLiteral(OSTRANA_BARE_DIALOG);
    double seconds = 0;
    double bareSeconds = 0;
    // Warms the caches.
    runUntilReport(bare, {}, &bareSeconds, platform);
    programFolder().run(probe, &seconds, platform);
    for (auto _ : state) {
        const QByteArray bareReport = runUntilReport(bare, {}, &bareSeconds, platform);
        const QByteArray report = programFolder().run(probe, &seconds, platform);
        if (report != expected || bareReport != "login-shown") {
            state.SkipWithError((report + ' ' + bareReport).constData());
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["bare_ms"] = bareSeconds * 1e3;
    state.counters["above_bare_ms"] = (seconds - bareSeconds) * 1e3;
}

void ProcessStartToLoginShown(benchmark::State &state, const char *platform)
{
    timeToFirstPaint(state, platform, LoginShown, "login-shown");
}
BENCHMARK_CAPTURE(ProcessStartToLoginShown, x11, "xcb")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ProcessStartToLoginShown, offscreen, "offscreen")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// The splash is the first thing the learner sees: it should come up about
// when a plain dialog would.
void ProcessStartToSplashShown(benchmark::State &state, const char *platform)
{
    timeToFirstPaint(state, platform, SplashShown, "splash-shown");
}
BENCHMARK_CAPTURE(ProcessStartToSplashShown, x11, "xcb")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

void ResidentMemoryWithMainWindowShown(benchmark::State &state)
{
    double seconds = 0;
    double megabytes = 0;
    for (auto _ : state) {
        const QByteArray report = programFolder().run(MainShown, &seconds);
        const QByteArray prefix = "main-shown rss-kb=";
        if (!report.startsWith(prefix)) {
            state.SkipWithError(report.constData());
            return;
        }
        megabytes = report.mid(prefix.size()).toDouble() / 1024.0;
        state.SetIterationTime(seconds);
    }
    state.counters["resident_MB"] = megabytes;
}
BENCHMARK(ResidentMemoryWithMainWindowShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
