#include "platform/controls/SSPanel.h"

#include "platform/controls/Bevel.h"
#include "platform/controls/CaptionLook.h"
#include "platform/core/BgrColor.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

SSPanel::SSPanel(QWidget *parent)
    : FontMembers(parent)
{
    setDesignFont();
    // The whole face is painted, so nothing behind needs to be.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SSPanel::~SSPanel() = default;

void SSPanel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void SSPanel::setBevelOuter(int style)
{
    m_bevelOuter = style;
    update();
}

void SSPanel::setBevelSecond(int style)
{
    m_bevelSecond = style;
    update();
}

void SSPanel::setBevelInner(int style)
{
    m_bevelInner = style;
    update();
}

void SSPanel::setBevelWidth(int pixels)
{
    m_bevelWidth = qMax(0, pixels);
    update();
}

void SSPanel::setBorderWidth(int pixels)
{
    m_borderWidth = qMax(0, pixels);
    update();
}

void SSPanel::setBackColor(quint32 bgr)
{
    m_backColor = bgr & 0xFFFFFF;
    update();
}

void SSPanel::setForeColor(quint32 bgr)
{
    m_foreColor = bgr & 0xFFFFFF;
    update();
}

QString SSPanel::shownText() const
{
    return captionLook(m_caption, font()).text;
}

void SSPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::fromBgr(m_backColor));

    QRect inside = drawBevel(painter, rect(), m_bevelOuter, m_bevelWidth);
    inside = drawBevel(painter, inside, m_bevelSecond, m_bevelWidth);
    if (m_bevelInner == bevel::Inset || m_bevelInner == bevel::Raised) {
        inside.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
        inside = drawBevel(painter, inside, m_bevelInner, m_bevelWidth);
    }

    if (m_caption.isEmpty() || inside.isEmpty())
        return;
    const CaptionLook look = captionLook(m_caption, font());
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
    painter.setFont(fittedFont(look.font, look.text, inside.size(), flags));
    painter.setPen(platform::fromBgr(m_foreColor));
    painter.setClipRect(inside);
    painter.drawText(inside, flags, look.text);
}

void SSPanel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void SSPanel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button, both on the panel.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit Click();
}

} // namespace controls
