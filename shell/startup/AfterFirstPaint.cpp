#include "shell/startup/AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace shell {
namespace {

// Events with which the learner answers a window. Not the pointer passing
// over it: a window that comes up under the pointer gets that at once.
bool answers(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::ContextMenu:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

AfterFirstPaint::AfterFirstPaint(QWidget &window, std::function<void()> action)
    : m_window(&window)
    , m_action(std::move(action))
{
    // Input reaches the window's controls and its platform window as well as
    // the window itself: the application sees all of it.
    QCoreApplication::instance()->installEventFilter(this);
}

AfterFirstPaint::~AfterFirstPaint() = default;

void AfterFirstPaint::runNow()
{
    if (m_started)
        return;
    m_started = true;
    QCoreApplication::instance()->removeEventFilter(this);
    m_action();
}

bool AfterFirstPaint::isForWindow(QObject *receiver) const
{
    if (m_window == nullptr)
        return false;
    if (receiver->isWidgetType())
        return static_cast<QWidget *>(receiver)->window() == m_window;
    return receiver->isWindowType() && receiver == m_window->windowHandle();
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (m_started || !isForWindow(watched))
        return false;
    if (event->type() == QEvent::Paint) {
        if (watched == m_window && !m_paintSeen) {
            m_paintSeen = true;
            // The window paints before its controls and reaches the screen
            // after the last of them. Low priority: the action also waits for
            // whatever else the paint has set going.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
        }
        return false;
    }
    if (answers(*event)) {
        const bool wasVisible = m_window->isVisible();
        runNow();
        // Input for a window that the action has closed goes nowhere.
        return wasVisible && (m_window == nullptr || !m_window->isVisible());
    }
    return false;
}

void AfterFirstPaint::customEvent(QEvent *event)
{
    if (event->type() == QEvent::User)
        runNow();
}

} // namespace shell
