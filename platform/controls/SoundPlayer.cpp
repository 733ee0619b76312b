#include "platform/controls/SoundPlayer.h"

#include "platform/controls/QtSoundBackend.h"
#include "platform/core/Paths.h"

#include <QTimer>

namespace controls {
namespace {

// How long a playback that could not start lasts.
constexpr int FailedPlaybackMs = 20;

SoundPlayer::BackendFactory &backendFactory()
{
    static SoundPlayer::BackendFactory factory;
    return factory;
}

std::unique_ptr<SoundBackend> makeBackend()
{
    if (backendFactory())
        return backendFactory()();
    return std::make_unique<QtSoundBackend>();
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
    , m_backend(makeBackend())
{
    connect(m_backend.get(), &SoundBackend::ended, this, &SoundPlayer::endPlayback);
    connect(m_backend.get(), &SoundBackend::failed, this, &SoundPlayer::endPlayback);
}

SoundPlayer::~SoundPlayer()
{
    // The back end may still report as it goes; nobody is listening any more.
    m_backend->disconnect(this);
}

void SoundPlayer::setBackendFactory(BackendFactory factory)
{
    backendFactory() = std::move(factory);
}

void SoundPlayer::Open(const QString &path)
{
    Stop();
    m_fileName = path.isEmpty() ? QString() : platform::localPath(path);
    if (m_fileName.isEmpty())
        m_backend->close();
    else
        m_backend->open(m_fileName);
}

void SoundPlayer::Play()
{
    ++m_playback;
    m_playing = true;
    m_insidePlay = true;
    if (m_fileName.isEmpty())
        endPlayback();
    else
        m_backend->play();
    m_insidePlay = false;
}

void SoundPlayer::Stop()
{
    m_playing = false;
    m_backend->stop();
}

void SoundPlayer::Close()
{
    Stop();
    m_fileName.clear();
    m_backend->close();
}

void SoundPlayer::endPlayback()
{
    if (!m_playing)
        return;
    if (m_insidePlay) {
        // A caller that plays and then waits must get to its wait first. The
        // short pause keeps a window that replays from its end handler (the
        // start-up loop) from spinning when its file is missing.
        QTimer::singleShot(FailedPlaybackMs, this,
                           [this, playback = m_playback] { finish(playback); });
        return;
    }
    finish(m_playback);
}

void SoundPlayer::finish(quint64 playback)
{
    if (!m_playing || playback != m_playback)
        return;
    m_playing = false;
    emit PlayFinished();
}

} // namespace controls
