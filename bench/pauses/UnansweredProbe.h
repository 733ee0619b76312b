#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Ticks every millisecond from start() to stop() and keeps the longest
// stretch in between without a tick: how long the event loop, and so the
// windows, did not answer.
class UnansweredProbe final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UnansweredProbe)

public:
    UnansweredProbe();
    ~UnansweredProbe() override;

    void start();
    // The longest stretch without a tick, in seconds.
    double stop();

private:
    void tick();

    QTimer m_ticks;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};
