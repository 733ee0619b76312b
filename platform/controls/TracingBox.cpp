#include "platform/controls/TracingBox.h"

#include "platform/core/BgrColor.h"
#include "platform/core/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

int buttonsOf(Qt::MouseButtons buttons)
{
    int result = 0;
    if (buttons & Qt::LeftButton)
        result |= TracingBox::LeftButton;
    if (buttons & Qt::RightButton)
        result |= TracingBox::RightButton;
    if (buttons & Qt::MiddleButton)
        result |= TracingBox::MiddleButton;
    return result;
}

int shiftOf(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

QPointF toPixels(QPointF twips)
{
    return twips / platform::TwipsPerPixel;
}

QImage clearSheet(QSize size)
{
    QImage sheet(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    return sheet;
}

} // namespace

TracingBox::TracingBox(QWidget *parent)
    : TwipsGeometry(parent)
    , m_strokes(clearSheet(size()))
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
    m_strokes = clearSheet(size());
    update();
}

QPen TracingBox::pen() const
{
    return QPen(platform::fromBgr(m_foreColor), qMax(1, m_drawWidth), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

void TracingBox::PSet(float X, float Y)
{
    m_current = QPointF(X, Y);
    QPainter painter(&m_strokes);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen());
    painter.drawPoint(toPixels(m_current));
    update();
}

void TracingBox::Line(float X, float Y)
{
    const QPointF from = m_current;
    m_current = QPointF(X, Y);
    QPainter painter(&m_strokes);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen());
    painter.drawLine(toPixels(from), toPixels(m_current));
    update();
}

void TracingBox::Cls()
{
    m_strokes.fill(Qt::transparent);
    m_current = QPointF();
    update();
}

void TracingBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::fromBgr(m_backColor));
    if (!m_picture.isNull()) {
        // Stretched, so a picture made for the designed box fills the smaller
        // boxes of the compact layout and the narrower second box alike.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    }
    painter.drawImage(0, 0, m_strokes);
}

void TracingBox::resizeEvent(QResizeEvent *event)
{
    TwipsGeometry::resizeEvent(event);
    if (m_strokes.size() == size())
        return;
    QImage sheet = clearSheet(size());
    QPainter painter(&sheet);
    painter.drawImage(0, 0, m_strokes);
    m_strokes = sheet;
}

void TracingBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * platform::TwipsPerPixel;
    emit MouseDown(buttonsOf(event->button()), shiftOf(event->modifiers()), float(at.x()),
                   float(at.y()));
}

void TracingBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position() * platform::TwipsPerPixel;
    emit MouseMove(buttonsOf(event->buttons()), shiftOf(event->modifiers()), float(at.x()),
                   float(at.y()));
}
