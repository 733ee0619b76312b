#pragma once

#include "platform/core/TwipsGeometry.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

class QMovie;

namespace controls {

// An animated GIF, stretched to the control. The control runs the frames
// itself and counts the passes, so a file's own loop count never decides how
// often it plays.
//
// PlayMode 1 plays RepeatCount passes (at least one), stops on the last frame
// and raises PlayFinished; PlayMode 2 runs until stopped. A file that is
// missing or cannot be read shows nothing; in PlayMode 1 its Play still ends,
// with PlayFinished from the event loop, so no chain of steps stalls.
class AniGif final : public platform::TwipsGeometry<QWidget>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AniGif)

public:
    static constexpr int PlayRepeated = 1;
    static constexpr int PlayContinuous = 2;

    explicit AniGif(QWidget *parent = nullptr);
    ~AniGif() override;

    // Loads the animation (a stored path with backslashes and any letter case
    // will do) and shows its StartFrame; runs it when AutoPlay is on.
    void ReadGIF(const QString &path);
    // From StartFrame, with the current PlayMode and RepeatCount.
    void Play();
    // Halts on the frame shown; no PlayFinished follows.
    void Stop();

    int StartFrame() const { return m_startFrame; }
    void setStartFrame(int frame) { m_startFrame = frame; }
    int PlayMode() const { return m_playMode; }
    void setPlayMode(int mode) { m_playMode = mode; }
    int RepeatCount() const { return m_repeatCount; }
    void setRepeatCount(int count) { m_repeatCount = count; }
    bool AutoPlay() const { return m_autoPlay; }
    void setAutoPlay(bool on) { m_autoPlay = on; }

    // The resolved path last read; empty before the first ReadGIF.
    QString fileName() const { return m_fileName; }
    bool isLoaded() const { return m_frameCount > 0; }
    bool isRunning() const { return m_timer.isActive(); }
    int frameCount() const { return m_frameCount; }
    // The frame shown, or -1 when nothing is.
    int currentFrame() const { return m_frame; }

signals:
    void PlayFinished();
    void frameChanged(int frame);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool showFrame(int frame);
    int firstFrame() const;
    void advance();
    void finishLater();

    std::unique_ptr<QMovie> m_movie;
    QTimer m_timer;
    QImage m_image;
    QString m_fileName;
    int m_frameCount = 0;
    int m_frame = -1;
    int m_passes = 0;
    quint64 m_playback = 0; // counts plays, so a late end of an old one is dropped
    int m_startFrame = 0;
    int m_playMode = PlayContinuous;
    int m_repeatCount = 1;
    bool m_autoPlay = false;
};

} // namespace controls
