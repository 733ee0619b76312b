#pragma once

#include "tests/support/MonitorRecording.h"
#include "tests/support/PulseServer.h"

#include <QString>

#include <gtest/gtest.h>
#include <memory>

namespace RealSound {

// The private sound server of this test run, started before the first test
// and before anything uses Qt Multimedia.
class Server final : public ::testing::Environment
{
public:
    explicit Server(PulseServer &server)
        : m_server(server)
    {}
    void SetUp() override;

    // Empty when the server runs, else why it does not.
    static QString error();
    // No server program on this machine: the tests are skipped, not failed.
    static bool missing();

private:
    PulseServer &m_server;
};

// Records the server's output for as long as it lives.
class Listener final
{
public:
    // Records from the server's monitor, or skips the test when no server
    // program is installed, or fails it with the reason the recording did
    // not start. For a fixture's SetUp: a test that cannot listen is not run.
    void start();
    // Seconds recorded so far.
    double seconds() const { return m_recording->seconds(); }
    QList<MonitorRecording::Tone> tonesSoFar() const { return m_recording->tones(); }
    // Lets the last sound reach the recording, then lists its tones.
    QList<MonitorRecording::Tone> heardTones();

private:
    std::unique_ptr<MonitorRecording> m_recording;
};

// A sine tone of the given length and pitch, written as the course's MP3s are.
void writeTone(const QString &path, double seconds, double hertz);

// What the checks allow: the encoder's padding and the recording's steps of 10 ms.
constexpr double LengthTolerance = 0.03;
// How late the recording may be behind the program's own events.
constexpr double RecordingLag = 0.25;

} // namespace RealSound
