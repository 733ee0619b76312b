#pragma once

#include "platform/controls/SoundBackend.h"
#include "platform/controls/SoundDecoder.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>

class QAudioSink;
class QBuffer;

namespace controls {

// Decodes the open file into memory (on the decoding thread, SoundDecoder)
// and plays it through an audio sink of its own for every playback.
//
// Why not a media player: its pipeline runs on the system clock and keeps the
// audio device in step by dropping samples. A sound server that starts a new
// stream late (a second is common) then cuts off the start of every
// recording, while the end still arrives at the file's length after play.
// Here the end is reported when the sink says every sample has been played,
// so it comes when the learner has heard the recording whole.
//
// With no audio device a playback lasts its length in silence, so a course
// run without sound keeps its pace. Every playback ends: a sink that stops
// reporting is given up a few seconds after the recording's length.
class QtSoundBackend final : public SoundBackend
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtSoundBackend)

public:
    explicit QtSoundBackend(QObject *parent = nullptr);
    ~QtSoundBackend() override;

    void open(const QString &path) override;
    void play() override;
    void stop() override;
    void close() override;

    // The decoded samples of the open file; empty while decoding or broken.
    qint64 lengthUs() const;
    bool isDecoded() const { return m_load == Load::Ready; }

private:
    enum class Load
    {
        None,     // no file open
        Decoding, // a play waits for the samples
        Ready,
        Broken, // missing, unreadable or no sound in it
    };

    void cancelDecode();
    void decoded(DecodedSound sound);
    void startOutput();
    void outputStateChanged();
    void checkDrained();
    void releaseOutput();
    void finish();
    void fail();

    Load m_load = Load::None;
    SoundDecoder::Ticket m_decode = 0; // the decode of the open file, while it runs
    QByteArray m_pcm;
    QAudioFormat m_format;

    QAudioSink *m_sink = nullptr;
    QBuffer *m_buffer = nullptr;
    bool m_playing = false; // a playback we started and that has not ended
    QTimer m_drain;         // after the last sample went out, until it is heard
    QElapsedTimer m_drainClock;
    QTimer m_silence; // a playback with no device to play on
    QTimer m_limit;   // the latest a playback may end
};

} // namespace controls
