#include "platform/services/MessageBox.h"

#include "platform/services/StandardMessageBox.h"

#include <QAbstractButton>
#include <QWidget>

namespace services {
namespace {

MessageBoxHandler &handler()
{
    static MessageBoxHandler current;
    return current;
}

// Enter closes a box, and the learner often presses it twice: the second
// goes to the window under the box, which gets back the focus it had. A
// button there would take it as a press, so the window keeps the focus
// itself; a window that has a button for the next step gives it the focus
// after the box.
void keepEnterFromButtons(QWidget *owner)
{
    if (owner == nullptr)
        return;
    QWidget *window = owner->window();
    if (qobject_cast<QAbstractButton *>(window->focusWidget()) != nullptr)
        window->setFocus(Qt::OtherFocusReason);
}

} // namespace

int MessageBox(QWidget *owner, const QString &text, int style)
{
    const int answer =
        handler() ? handler()(owner, text, style) : showStandardMessageBox(owner, text, style);
    keepEnterFromButtons(owner);
    return answer;
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler replacement)
{
    MessageBoxHandler previous = std::move(handler());
    handler() = std::move(replacement);
    return previous;
}

} // namespace services
