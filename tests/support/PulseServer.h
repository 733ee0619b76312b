#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private PulseAudio server with one null sink ("ostrana_null") and a
// recording source on its monitor ("ostrana_rec"), for tests that listen to
// what the program really plays. Start it before anything in the process
// touches Qt Multimedia: it points this process's clients at itself.
// It ends with the object, or with the test process if that dies first.
class PulseServer final
{
public:
    PulseServer() = default;
    ~PulseServer();
    Q_DISABLE_COPY_MOVE(PulseServer)

    // Whether the server program is on the PATH.
    static bool isInstalled();
    // Empty on success, else why the server could not be started.
    QString start();
    bool isRunning() const { return m_process.state() == QProcess::Running; }

    static QString recordingDeviceId() { return QStringLiteral("ostrana_rec"); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};
