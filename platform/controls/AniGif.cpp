#include "platform/controls/AniGif.h"

#include "platform/core/Paths.h"

#include <QMovie>
#include <QPainter>

namespace controls {
namespace {

// As browsers do: a GIF frame delay of 10 ms or less means "as fast as the
// maker did not say", which would spin; show it for 100 ms.
int frameDelay(int delay)
{
    return delay > 10 ? delay : 100;
}

} // namespace

AniGif::AniGif(QWidget *parent)
    : TwipsGeometry(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AniGif::advance);
}

AniGif::~AniGif() = default;

void AniGif::ReadGIF(const QString &path)
{
    Stop();
    m_movie.reset();
    m_image = QImage();
    m_frame = -1;
    m_frameCount = 0;
    m_fileName = platform::localPath(path);

    auto movie = std::make_unique<QMovie>(m_fileName);
    // Passes go back to the first frame, which must not mean decoding again.
    movie->setCacheMode(QMovie::CacheAll);
    if (movie->isValid()) {
        m_movie = std::move(movie);
        m_frameCount = qMax(1, m_movie->frameCount());
        if (!showFrame(firstFrame()) && !showFrame(0))
            m_frameCount = 0;
    }
    update();
    if (m_autoPlay)
        Play();
}

int AniGif::firstFrame() const
{
    return qBound(0, m_startFrame, qMax(0, m_frameCount - 1));
}

void AniGif::Play()
{
    Stop();
    ++m_playback;
    if (!isLoaded()) {
        finishLater();
        return;
    }
    m_passes = 0;
    if (!showFrame(firstFrame())) {
        finishLater();
        return;
    }
    m_timer.start(frameDelay(m_movie->nextFrameDelay()));
}

void AniGif::Stop()
{
    ++m_playback;
    m_timer.stop();
}

void AniGif::finishLater()
{
    if (m_playMode != PlayRepeated)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, playback = m_playback] {
            if (playback == m_playback)
                emit PlayFinished();
        },
        Qt::QueuedConnection);
}

void AniGif::advance()
{
    int next = m_frame + 1;
    // A truncated file may hold fewer frames than its header promised: a
    // pass ends at the first frame that cannot be read.
    if (next < m_frameCount && !showFrame(next))
        m_frameCount = next;
    if (next >= m_frameCount) {
        ++m_passes;
        if (m_playMode == PlayRepeated && m_passes >= qMax(1, m_repeatCount)) {
            ++m_playback;
            emit PlayFinished(); // the last frame stays on show
            return;
        }
        if (!showFrame(0)) {
            finishLater();
            return;
        }
    }
    m_timer.start(frameDelay(m_movie->nextFrameDelay()));
}

bool AniGif::showFrame(int frame)
{
    // A jump past the real end may land on another frame and still succeed.
    if (!m_movie || !m_movie->jumpToFrame(frame) || m_movie->currentFrameNumber() != frame)
        return false;
    m_image = m_movie->currentImage();
    m_frame = frame;
    update();
    emit frameChanged(frame);
    return true;
}

void AniGif::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_image);
}

} // namespace controls
