#include "platform/services/MessageBox.h"

#include "platform/services/StandardMessageBox.h"

namespace services {
namespace {

MessageBoxHandler &handler()
{
    static MessageBoxHandler current;
    return current;
}

} // namespace

int MessageBox(QWidget *owner, const QString &text, int style)
{
    if (handler())
        return handler()(owner, text, style);
    return showStandardMessageBox(owner, text, style);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler replacement)
{
    MessageBoxHandler previous = std::move(handler());
    handler() = std::move(replacement);
    return previous;
}

} // namespace services
