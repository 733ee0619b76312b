#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QList>
#include <QString>

class QAudioSource;
class QIODevice;

// Records what a sound server's sink plays, from a recording device on its
// monitor, and finds the tones in it. Times are seconds of recording: the
// recording runs continuously, so they are on the sink's own clock.
class MonitorRecording final
{
public:
    // One stretch of a steady tone.
    struct Tone
    {
        double start = 0;
        double end = 0;
        double hertz = 0;
        double length() const { return end - start; }
    };

    explicit MonitorRecording(const QString &deviceId);
    ~MonitorRecording();
    Q_DISABLE_COPY_MOVE(MonitorRecording)

    // Empty once recording, else why not.
    QString error() const { return m_error; }
    // Seconds recorded so far (what has arrived from the server).
    double seconds() const;
    // Every tone of at least 50 ms, in order; a change of pitch starts a new one.
    QList<Tone> tones() const;

private:
    void read();

    QString m_error;
    QAudioFormat m_format;
    QAudioSource *m_source = nullptr;
    QIODevice *m_input = nullptr;
    QByteArray m_samples;
};
