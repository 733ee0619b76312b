#include "tests/support/PulseServer.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int StartLimitMs = 15000;
constexpr QLatin1String Program("pulseaudio");

// The socket's file is there from its bind, a moment before the server
// listens: a client that connects in between is refused.
bool acceptsConnections(const QString &socketPath)
{
    const QByteArray path = socketPath.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

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

bool PulseServer::isInstalled()
{
    return !QStandardPaths::findExecutable(Program).isEmpty();
}

QString PulseServer::start()
{
    if (!isInstalled())
        return QStringLiteral("pulseaudio is not installed (scripts/packages.sh installs it)");
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
    // Ends with the test process however that ends, also when it died
    // before the child could ask for it.
    const pid_t parent = ::getpid();
    m_process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
    });
    m_process.start(
        Program,
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
    while (!QFileInfo::exists(socket) || !acceptsConnections(socket)) {
        // Also the short pause between looks.
        if (m_process.waitForFinished(20))
            return QStringLiteral("pulseaudio ended at start-up with exit code %1 (its messages "
                                  "are above)")
                .arg(m_process.exitCode());
        if (deadline.hasExpired())
            return QStringLiteral("pulseaudio opened no socket that takes connections");
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    return {};
}
