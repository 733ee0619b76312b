#include "course/schema/Writer.h"
#include "shell/PasswordHash.h"
#include "tests/support/TempProgramFolder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The program as a learner starts it, in a program folder of its own.
std::unique_ptr<QProcess> startProgram(const TempProgramFolder &folder,
                                       const QProcessEnvironment &environment)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->start(folder.path() + QStringLiteral("/ostrana"), {});
    return process;
}

} // namespace

// The start-up benchmark has a probe of its own; the program must neither
// report to it nor log anyone in because its environment says so.
TEST(Program, IgnoresTheStartUpProbesEnvironment)
{
    TempProgramFolder folder;
    const QString program = folder.path() + QStringLiteral("/ostrana");
    ASSERT_TRUE(QFile::copy(QStringLiteral(OSTRANA_EXECUTABLE), program));
    QFile::setPermissions(program, QFile::permissions(QStringLiteral(OSTRANA_EXECUTABLE)));
    schema::Writer(folder.usersDatabase())
        .addUser(QStringLiteral("Asha"), passwords::hash(QStringLiteral("pw")), 1);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("OSTRANA_PROBE_USER"), QStringLiteral("Asha"));
    environment.insert(QStringLiteral("OSTRANA_PROBE_PASSWORD"), QStringLiteral("pw"));
    std::unique_ptr<QProcess> runs[2];
    const char *modes[2] = {"login", "main"};
    for (int i = 0; i < 2; ++i) {
        environment.insert(QStringLiteral("OSTRANA_STARTUP_PROBE"), QString::fromLatin1(modes[i]));
        runs[i] = startProgram(folder, environment);
        ASSERT_TRUE(runs[i]->waitForStarted(10000));
    }

    // A probe answers within a second or so (the login checks a slow password
    // hash); the program waits at the login for the learner.
    const QDeadlineTimer deadline(4000);
    for (int i = 0; i < 2; ++i) {
        const bool ended =
            runs[i]->waitForFinished(int(std::max<qint64>(deadline.remainingTime(), 0)));
        const QByteArray output = runs[i]->readAllStandardOutput();
        EXPECT_FALSE(ended) << modes[i];
        EXPECT_TRUE(output.isEmpty()) << modes[i] << ": " << output.toStdString();
        runs[i]->kill();
        runs[i]->waitForFinished(10000);
    }
}
