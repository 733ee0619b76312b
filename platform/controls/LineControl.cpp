#include "platform/controls/LineControl.h"

#include "platform/core/BgrColor.h"
#include "platform/core/Twips.h"

#include <QPainter>

#include <algorithm>

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

LineControl::~LineControl() = default;

void LineControl::setPoints(int x1, int y1, int x2, int y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

void LineControl::setBorderColor(quint32 bgr)
{
    m_borderColor = bgr & 0xFFFFFF;
    update();
}

void LineControl::setBorderWidth(int pixels)
{
    m_borderWidth = std::max(pixels, 1);
    place();
}

void LineControl::place()
{
    const QPoint from(platform::toPixels(m_x1), platform::toPixels(m_y1));
    const QPoint to(platform::toPixels(m_x2), platform::toPixels(m_y2));
    const QRect box = QRect(from, to).normalized();
    // Room for the width to the right of and below the points.
    setGeometry(box.adjusted(0, 0, m_borderWidth - 1, m_borderWidth - 1));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor colour = platform::fromBgr(m_borderColor);
    const int x1 = platform::toPixels(m_x1) - x();
    const int y1 = platform::toPixels(m_y1) - y();
    const int x2 = platform::toPixels(m_x2) - x();
    const int y2 = platform::toPixels(m_y2) - y();
    if (y1 == y2 || x1 == x2) {
        painter.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QPoint(std::max(x1, x2) + (x1 == x2 ? m_borderWidth - 1 : 0),
                                      std::max(y1, y2) + (y1 == y2 ? m_borderWidth - 1 : 0))),
                         colour);
        return;
    }
    painter.setPen(QPen(colour, m_borderWidth));
    painter.drawLine(x1, y1, x2, y2);
}
