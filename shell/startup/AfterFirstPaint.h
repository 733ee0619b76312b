#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace shell {

// Runs an action once, right after a window's first paint has reached the
// screen: work the window must have done before the learner answers it, but
// that need not keep it from showing. A click, a key or a close for the
// window or any of its controls that comes sooner runs the action first, so
// the window never answers before the action is done.
class AfterFirstPaint final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AfterFirstPaint)

public:
    AfterFirstPaint(QWidget &window, std::function<void()> action);
    ~AfterFirstPaint() override;

    // Runs the action now, unless it has run or is running.
    void runNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    bool isForWindow(QObject *receiver) const;

    QPointer<QWidget> m_window;
    std::function<void()> m_action;
    bool m_started = false;
    bool m_paintSeen = false;
};

} // namespace shell
