#include "tests/support/ModalWatchdog.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

ModalWatchdog::ModalWatchdog(int milliseconds)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this, milliseconds] {
        m_fired = true;
        ADD_FAILURE() << "A modal window was still waiting after " << milliseconds << " ms";
        for (int guard = 0; guard < 20; ++guard) {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal == nullptr)
                break;
            modal->hide();
        }
    });
    m_timer.start(milliseconds);
}
