#include "platform/controls/ImageEvents.h"

#include <QMouseEvent>
#include <QWidget>

ImageEvents::ImageEvents(QWidget *image)
    : QObject(image)
    , m_image(image)
{
    image->installEventFilter(this);
}

ImageEvents::~ImageEvents() = default;

bool ImageEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_image)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_leftDown = true;
        emit MouseDown();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = mouse->button() == Qt::LeftButton && m_leftDown &&
                           m_image->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            m_leftDown = false;
        emit MouseUp();
        if (click)
            emit Click();
        return true;
    }
    default:
        return false;
    }
}
