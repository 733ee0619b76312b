#pragma once

#include <QObject>
#include <QString>

namespace controls {

// What a SoundPlayer needs of the thing that really makes the sound. The real
// one drives Qt Multimedia; tests put in a double whose playbacks end when the
// test says.
class SoundBackend : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundBackend)

public:
    explicit SoundBackend(QObject *parent = nullptr)
        : QObject(parent)
    {}

    // A local file path, already resolved; it replaces any earlier file.
    virtual void open(const QString &path) = 0;
    // From the beginning of the file, also when it is playing or has ended.
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;

signals:
    // The playback reached the end of the file.
    void ended();
    // The file could not be opened or played. May come from inside play().
    void failed();
};

} // namespace controls
