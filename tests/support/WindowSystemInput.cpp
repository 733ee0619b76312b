#include "tests/support/WindowSystemInput.h"

#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

void postClick(QWidget &widget)
{
    QWidget *window = widget.window();
    QWindow *handle = window->windowHandle();
    const QPoint centre = widget.rect().center();
    const QPointF local = widget.mapTo(window, centre);
    const QPointF global = widget.mapToGlobal(centre);
    using Queued = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Queued>(handle, local, global, Qt::LeftButton,
                                                     Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Queued>(handle, local, global, Qt::NoButton,
                                                     Qt::LeftButton, QEvent::MouseButtonRelease);
}

void reportMinimised(QWidget &window)
{
    QWindowSystemInterface::handleWindowStateChanged<QWindowSystemInterface::SynchronousDelivery>(
        window.windowHandle(), Qt::WindowMinimized);
}
