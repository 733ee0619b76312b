#include "tests/support/PulseServer.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int StartLimitMs = 15000;

} // namespace

PulseServer::~PulseServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString PulseServer::start()
{
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder for the sound server");
    const QString socket = m_dir.filePath(QStringLiteral("native"));

    // Its own home and runtime folders: nothing of a user's sound set-up is
    // read or changed, and no second server is found or started.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.filePath(QStringLiteral("state")));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(
        QStringLiteral("pulseaudio"),
        {
            QStringLiteral("--daemonize=no"),
            QStringLiteral("-n"), // no default configuration
            QStringLiteral("--exit-idle-time=-1"),
            QStringLiteral("--use-pid-file=no"),
            QStringLiteral("--log-level=error"),
            QStringLiteral("-L"),
            QStringLiteral("module-null-sink sink_name=ostrana_null rate=48000"),
            QStringLiteral("-L"),
            QStringLiteral("module-remap-source master=ostrana_null.monitor "
                           "source_name=ostrana_rec"),
            QStringLiteral("-L"),
            QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
        });
    if (!m_process.waitForStarted(StartLimitMs))
        return QStringLiteral("pulseaudio could not be started: ") + m_process.errorString();

    const QDeadlineTimer deadline(StartLimitMs);
    while (!QFileInfo::exists(socket)) {
        if (m_process.state() != QProcess::Running)
            return QStringLiteral("pulseaudio ended at start-up");
        if (deadline.hasExpired())
            return QStringLiteral("pulseaudio opened no socket");
        QThread::msleep(20);
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    return {};
}
