#pragma once

#include <QTimer>

// Bounds a modal wait: if it is still running when the time is up, the test
// fails and every modal window is hidden, which ends its nested event loop.
class ModalWatchdog final
{
public:
    explicit ModalWatchdog(int milliseconds = 10000);
    Q_DISABLE_COPY_MOVE(ModalWatchdog)

    bool fired() const { return m_fired; }

private:
    QTimer m_timer;
    bool m_fired = false;
};
