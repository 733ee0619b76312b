#include "bench/memory/CourseRun.h"

#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"

namespace {

// A level whose windows wait longer than this will not end by itself; the
// listening tests play every letter for its whole length.
constexpr int LevelBoundMs = 120000;

} // namespace

CourseRun::CourseRun()
    : m_reporter(::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &m_failures)
    , m_course(QStringLiteral(OSTRANA_PROGRAM_FOLDER), CourseDriver::Sounds::Real)
{}

CourseRun::~CourseRun() = default;

void CourseRun::play(int level)
{
    m_watchdog.reset();
    m_watchdog = std::make_unique<ModalWatchdog>(LevelBoundMs);
    m_course.play(level);
}

void CourseRun::playCourse()
{
    m_course.startAsNewLearner(QStringLiteral("bench"), QStringLiteral("pw"));
    for (int level = 1; level <= 25 && error().isEmpty(); level = m_course.lastDone() + 1) {
        play(level);
        if (m_course.lastDone() < level)
            m_error = QStringLiteral("level %1 was not done").arg(level);
    }
    const int stored = modMain::GetUserLevel(modMain::gUserName, true);
    if (error().isEmpty() && stored != 26)
        m_error = QStringLiteral("the course ended at stored level %1").arg(stored);
}

void CourseRun::playRepeatedLevel()
{
    play(1);
    // The pass leads on to level 2's lessons.
    m_course.main().MainScreen();
    play(10);
}

QString CourseRun::error() const
{
    if (m_failures.size() > 0) {
        const ::testing::TestPartResult &first = m_failures.GetTestPartResult(0);
        return QStringLiteral("%1:%2: %3")
            .arg(QString::fromUtf8(first.file_name() != nullptr ? first.file_name() : "?"))
            .arg(first.line_number())
            .arg(QString::fromUtf8(first.message()));
    }
    return m_error;
}
