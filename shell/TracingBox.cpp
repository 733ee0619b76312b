#include "shell/TracingBox.h"

#include "platform/core/BgrColor.h"

#include <QPainter>

TracingBox::TracingBox(QWidget *parent)
    : TwipsGeometry(parent)
{}

TracingBox::~TracingBox() = default;

void TracingBox::setBackColor(quint32 bgr)
{
    m_backColor = bgr & 0xFFFFFF;
    update();
}

void TracingBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void TracingBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::fromBgr(m_backColor));
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}
