#include "platform/forms/Form.h"

#include "platform/core/BgrColor.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Twips.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Forms.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QScopeGuard>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace forms {
namespace {

bool isToolWindow(int style)
{
    return style == FixedToolWindow || style == SizableToolWindow;
}

bool isFixedSize(int style)
{
    return style != Sizable && style != SizableToolWindow;
}

bool canPress(const QAbstractButton *button)
{
    return button != nullptr && button->isVisible() && button->isEnabled();
}

} // namespace

Form::Form(const QString &name, QWidget *parent)
    : QDialog(parent)
    , m_name(name)
    , m_backColor(platform::toBgr(palette().color(QPalette::Window)))
{
    setObjectName(name);
    setSizeGripEnabled(false);
    applyWindowFlags();
}

Form::~Form()
{
    Forms::remove(this);
}

void Form::ensureLoadable() const
{
    if (m_state == State::Unloaded)
        platform::raise(platform::err::ObjectWasUnloaded, QStringLiteral("Object was unloaded"));
}

void Form::Load()
{
    ensureLoadable();
    if (m_state == State::Loaded)
        return;
    m_state = State::Loaded;
    Forms::add(this);
    Form_Load();
}

void Form::Show(bool modal, Form *owner)
{
    Load();
    if (!isLoaded()) // Form_Load unloaded it again
        return;
    if (owner != nullptr && owner != m_owner && owner != this) {
        m_owner = owner;
        // The window system's owner relation, not a QObject parent: the owner
        // must not delete this form, nor pass its palette and font to it.
        winId();
        owner->winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
    if (!modal) {
        // A window that comes up is on top already; one that is up is brought there.
        if (isVisible())
            raise();
        else
            show();
        activateWindow();
        return;
    }
    if (isVisible())
        platform::raise(platform::err::AlreadyDisplayed,
                        QStringLiteral("Form already displayed; can't show modally"));
    exec();
}

void Form::Hide()
{
    hide();
}

bool Form::Unload(int reason)
{
    if (m_state != State::Loaded)
        return true;
    if (m_unloading) // a second close while the first still asks
        return false;
    m_unloading = true;
    const auto done = qScopeGuard([this] { m_unloading = false; });

    bool cancel = false;
    Form_QueryUnload(cancel, reason);
    if (cancel)
        return false;
    if (!unloadOwnedForms())
        return false;
    Form_Unload(cancel);
    if (cancel)
        return false;

    m_state = State::Unloaded;
    Forms::remove(this);
    hide();
    if (m_deleteOnUnload)
        deleteLater();
    return true;
}

bool Form::unloadOwnedForms()
{
    QList<Form *> owned;
    const QList<Form *> loaded = Forms::loaded();
    std::copy_if(loaded.crbegin(), loaded.crend(), std::back_inserter(owned),
                 [this](const Form *form) { return form->Owner() == this; });
    for (Form *form : owned) {
        if (!form->Unload(OwnerUnload))
            return false;
    }
    return true;
}

void Form::Form_QueryUnload(bool &, int) {}

void Form::Form_Unload(bool &) {}

void Form::reject()
{
    if (!isLoaded()) {
        QDialog::reject();
        return;
    }
    Unload(CodeUnload);
}

void Form::closeEvent(QCloseEvent *event)
{
    // Accepting would let Qt treat this as a closed window (and perhaps quit);
    // the unload hides the form itself.
    event->ignore();
    if (!isLoaded()) {
        hide();
        return;
    }
    Unload(event->spontaneous() ? ControlMenuClose : CodeUnload);
}

void Form::setDefaultButton(QAbstractButton *button)
{
    m_defaultButton = button;
}

void Form::setCancelButton(QAbstractButton *button)
{
    m_cancelButton = button;
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        // Escape never closes a form by itself, only through its cancel button.
        if (canPress(m_cancelButton))
            m_cancelButton->click();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier && canPress(m_defaultButton)) {
        // A focused push button takes Enter itself; every other widget lets
        // it through to here.
        m_defaultButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QSize Form::frameExtra() const
{
    return frameGeometry().size() - size();
}

int Form::Left() const
{
    return platform::toTwips(x());
}

int Form::Top() const
{
    return platform::toTwips(y());
}

int Form::Width() const
{
    return platform::toTwips(frameGeometry().width());
}

int Form::Height() const
{
    return platform::toTwips(frameGeometry().height());
}

void Form::setLeft(int twips)
{
    m_centred = false;
    move(platform::toPixels(twips), y());
}

void Form::setTop(int twips)
{
    m_centred = false;
    move(x(), platform::toPixels(twips));
}

void Form::setWidth(int twips)
{
    m_outerWidth = platform::toPixels(twips);
    applyOuterSize();
}

void Form::setHeight(int twips)
{
    m_outerHeight = platform::toPixels(twips);
    applyOuterSize();
}

void Form::Move(int left, int top)
{
    m_centred = false;
    move(platform::toPixels(left), platform::toPixels(top));
}

void Form::Move(int left, int top, int width, int height)
{
    Move(left, top);
    m_outerWidth = platform::toPixels(width);
    m_outerHeight = platform::toPixels(height);
    applyOuterSize();
}

int Form::ScaleWidth() const
{
    return platform::toTwips(width());
}

int Form::ScaleHeight() const
{
    return platform::toTwips(height());
}

void Form::setClientSize(int widthTwips, int heightTwips)
{
    m_outerWidth.reset();
    m_outerHeight.reset();
    applyClientSize(QSize(platform::toPixels(widthTwips), platform::toPixels(heightTwips)));
}

void Form::applyOuterSize()
{
    const QSize extra = frameExtra();
    m_knownFrame = extra;
    applyClientSize(QSize(m_outerWidth ? *m_outerWidth - extra.width() : width(),
                          m_outerHeight ? *m_outerHeight - extra.height() : height()));
}

bool Form::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        // The frame shows up with one of these, after the event that showed
        // the window; a window manager's frame may come a while later.
        if (!m_frameCheckQueued) {
            m_frameCheckQueued = true;
            QTimer::singleShot(0, this, [this] {
                m_frameCheckQueued = false;
                followFrame();
            });
        }
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void Form::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || m_minButton || !isMinimized() ||
        m_restoreQueued)
        return;
    // With no taskbar to bring it back, the learner could be left with no
    // window at all. Restored once the window system has done minimising.
    m_restoreQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_restoreQueued = false;
        if (isVisible() && isMinimized())
            setWindowState(windowState() & ~Qt::WindowMinimized);
    });
}

void Form::followFrame()
{
    const QSize extra = frameExtra();
    if (extra == m_knownFrame)
        return;
    m_knownFrame = extra;
    if (m_outerWidth || m_outerHeight)
        applyOuterSize();
    if (m_centred)
        CenterForm(*this);
}

void Form::applyClientSize(QSize size)
{
    size = size.expandedTo(QSize(0, 0));
    if (isFixedSize(m_borderStyle)) {
        setFixedSize(size);
    } else {
        resize(size);
    }
}

void Form::setBorderStyle(int style)
{
    m_borderStyle = std::clamp(style, int(NoBorder), int(SizableToolWindow));
    if (isFixedSize(m_borderStyle)) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    applyWindowFlags();
}

void Form::setControlBox(bool on)
{
    m_controlBox = on;
    applyWindowFlags();
}

void Form::setMinButton(bool on)
{
    m_minButton = on;
    applyWindowFlags();
}

void Form::setMaxButton(bool on)
{
    m_maxButton = on;
    applyWindowFlags();
}

void Form::applyWindowFlags()
{
    const bool tool = isToolWindow(m_borderStyle);
    Qt::WindowFlags flags = tool ? Qt::Tool : m_showInTaskbar ? Qt::Window : Qt::Dialog;
    if (m_borderStyle == NoBorder) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (m_controlBox)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (m_minButton && !tool)
            flags |= Qt::WindowMinimizeButtonHint;
        if (m_maxButton && !tool && !isFixedSize(m_borderStyle))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (flags == windowFlags())
        return;
    // Changing the flags of a shown window hides it.
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void Form::setShowInTaskbar(bool on)
{
    m_showInTaskbar = on;
    applyWindowFlags();
}

void Form::setBackColor(quint32 bgr)
{
    m_backColor = bgr & 0xFFFFFF;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, platform::fromBgr(m_backColor));
    setPalette(colours);
    setAutoFillBackground(true);
}

} // namespace forms
