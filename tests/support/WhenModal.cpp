#include "tests/support/WhenModal.h"

#include <QApplication>

WhenModal::WhenModal(std::function<void(QWidget *modal)> action)
    : m_before(QApplication::activeModalWidget())
    , m_action(std::move(action))
{
    m_poll.setInterval(5);
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_before || !modal->isVisible())
            return;
        // A learner's keys go to the window that has the keyboard. A window
        // manager activates a dialog as it comes up; the offscreen platform
        // does so only some time after it is shown (long, on a busy machine),
        // and for a window shown a second time not at all. So it is done
        // here, and the action waits until the focus has come.
        if (!modal->isActiveWindow()) {
            QApplication::setActiveWindow(modal);
            return;
        }
        m_poll.stop();
        m_done = true;
        m_action(modal);
    });
    m_poll.start();
}
