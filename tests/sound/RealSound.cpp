#include "tests/sound/RealSound.h"

#include "course/sounds/Pcm.h"
#include "course/sounds/WriteMp3.h"

#include <QTest>

#include <cmath>

namespace RealSound {
namespace {

QString &serverError()
{
    static QString why = QStringLiteral("the sound server was not started");
    return why;
}

bool &serverMissing()
{
    static bool missing = false;
    return missing;
}

} // namespace

void Server::SetUp()
{
    serverMissing() = !PulseServer::isInstalled();
    serverError() = m_server.start();
}

QString Server::error()
{
    return serverError();
}

bool Server::missing()
{
    return serverMissing();
}

void Listener::start()
{
    if (Server::missing())
        GTEST_SKIP() << Server::error().toStdString();
    if (!Server::error().isEmpty())
        FAIL() << Server::error().toStdString();
    m_recording = std::make_unique<MonitorRecording>(PulseServer::recordingDeviceId());
    if (!m_recording->error().isEmpty())
        FAIL() << m_recording->error().toStdString();
    // The recording's stream comes up before anything plays.
    if (!QTest::qWaitFor([this] { return m_recording->seconds() > 0.2; }, 10000))
        FAIL() << "the recording brings no sound";
}

QList<MonitorRecording::Tone> Listener::heardTones()
{
    const double until = m_recording->seconds() + 2 * RecordingLag;
    // A recording that stalls shows in the checks of what it holds.
    (void)QTest::qWaitFor([&] { return m_recording->seconds() >= until; }, 10000);
    return m_recording->tones();
}

void writeTone(const QString &path, double seconds, double hertz)
{
    sounds::Pcm pcm;
    pcm.sampleRate = 32000;
    const int count = int(std::lround(seconds * pcm.sampleRate));
    pcm.samples.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        pcm.samples[size_t(i)] =
            qint16(std::lround(12000.0 * std::sin(2.0 * M_PI * hertz * i / pcm.sampleRate)));
    sounds::writeMp3(pcm, path);
}

} // namespace RealSound
