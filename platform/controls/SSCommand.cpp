#include "platform/controls/SSCommand.h"

#include "platform/controls/Bevel.h"
#include "platform/controls/CaptionLook.h"
#include "platform/core/BgrColor.h"

#include <QKeyEvent>
#include <QPainter>

namespace controls {

SSCommand::SSCommand(QWidget *parent)
    : FontMembers(parent)
{
    setDesignFont();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // An auto-default button that once had the focus stays its dialog's
    // default, and Enter pressed anywhere in the window would press it.
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, &SSCommand::Click);
}

SSCommand::SSCommand(const QString &caption, QWidget *parent)
    : SSCommand(parent)
{
    setCaption(caption);
}

SSCommand::~SSCommand() = default;

void SSCommand::setForeColor(quint32 bgr)
{
    m_foreColor = bgr & 0xFFFFFF;
    update();
}

void SSCommand::setBackColor(quint32 bgr)
{
    m_backColor = bgr & 0xFFFFFF;
    update();
}

void SSCommand::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        event->accept();
        return;
    }
    FontMembers::keyPressEvent(event);
}

void SSCommand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = platform::fromBgr(m_backColor);
    painter.fillRect(rect(), face);

    // Raised: light above and left, dark below and right, twice over.
    // Pressed: the same turned round, and the caption moves down a pixel.
    const bool down = isDown();
    const QColor black(0, 0, 0);
    QRect inside = down ? drawFrame(painter, rect(), black, bevelLight())
                        : drawFrame(painter, rect(), bevelLight(), black);
    inside = down ? drawFrame(painter, inside, bevelShadow(), face)
                  : drawFrame(painter, inside, face, bevelShadow());

    QRect textRect = inside.adjusted(2, 1, -2, -1);
    if (down)
        textRect.translate(1, 1);

    const CaptionLook look = captionLook(text(), font());
    // One line, made smaller where it is too long: two lines rarely fit a button.
    const int flags = Qt::AlignCenter | (look.keyText ? 0 : Qt::TextShowMnemonic);
    painter.setFont(fittedFont(look.font, look.text, textRect.size(), flags));
    painter.setClipRect(inside);
    if (isEnabled()) {
        painter.setPen(platform::fromBgr(m_foreColor));
        painter.drawText(textRect, flags, look.text);
    } else {
        // Engraved, as disabled captions were drawn.
        painter.setPen(bevelLight());
        painter.drawText(textRect.translated(1, 1), flags, look.text);
        painter.setPen(bevelShadow());
        painter.drawText(textRect, flags, look.text);
    }

    if (hasFocus()) {
        QPen dotted(black, 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(inside.adjusted(2, 2, -3, -3));
    }
}

} // namespace controls
