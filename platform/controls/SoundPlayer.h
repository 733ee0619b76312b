#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace controls {

class SoundBackend;

// The course's sound player: one file open at a time, played from its start.
// Every playback that is not stopped ends with exactly one PlayFinished; a file
// that cannot be opened or played counts as a playback that ended at once, so
// a chain of sounds or a wait for the end never stalls. That end is always
// delivered from the event loop, never from inside Play(), a few milliseconds
// after it.
class SoundPlayer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundPlayer)

public:
    using BackendFactory = std::function<std::unique_ptr<SoundBackend>()>;

    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // The file (a stored path with backslashes and any letter case will do)
    // becomes the one Play plays. Stops what is playing, without PlayFinished.
    // A missing file is no error here: its playbacks end at once.
    void Open(const QString &path);
    // From the beginning, also after Stop and after an earlier end.
    void Play();
    // Ends the playback at once; no PlayFinished follows.
    void Stop();
    // Releases the open file; a later Play ends at once until Open.
    void Close();

    // Players are never shown; the flag is kept for the windows that set it.
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    // The resolved path of the open file; empty when none.
    QString fileName() const { return m_fileName; }
    bool isPlaying() const { return m_playing; }
    SoundBackend *backend() const { return m_backend.get(); }

    // Every player made from now on gets its back end from factory; an empty
    // factory restores the real one.
    static void setBackendFactory(BackendFactory factory);

signals:
    void PlayFinished();

private:
    void endPlayback();
    void finish(quint64 playback);

    std::unique_ptr<SoundBackend> m_backend;
    QString m_fileName;
    quint64 m_playback = 0; // counts playbacks, so a late end of an old one is dropped
    bool m_playing = false;
    bool m_insidePlay = false;
    bool m_visible = true;
};

} // namespace controls
