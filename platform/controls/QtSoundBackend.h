#pragma once

#include "platform/controls/SoundBackend.h"

class QAudioOutput;
class QMediaPlayer;

namespace controls {

// Plays through QMediaPlayer. The media player is made on the first file that
// is opened: building one costs a noticeable part of a second, and windows
// create players they may never use.
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

    // Null until a file has been opened.
    QMediaPlayer *mediaPlayer() const { return m_player; }

private:
    void makePlayer();
    void fail();

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    bool m_hasFile = false;
    bool m_broken = false;  // the open file has already failed to load
    bool m_playing = false; // a playback we started and that has not ended
};

} // namespace controls
