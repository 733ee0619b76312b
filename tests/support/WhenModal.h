#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs an action on the next modal window that comes up (a window other than
// the one that was modal when this was made), once, from inside its event
// loop, when it is the active window with the focus on its focus widget, as
// a window manager makes it: a key press or a click that answers it. Stops
// when destroyed.
class WhenModal final
{
public:
    explicit WhenModal(std::function<void(QWidget *modal)> action);
    Q_DISABLE_COPY_MOVE(WhenModal)

    bool done() const { return m_done; }

private:
    QTimer m_poll;
    QPointer<QWidget> m_before;
    std::function<void(QWidget *)> m_action;
    bool m_done = false;
};
