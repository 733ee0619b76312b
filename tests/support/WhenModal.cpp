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
        m_poll.stop();
        m_done = true;
        m_action(modal);
    });
    m_poll.start();
}
