#include "platform/forms/CenterForm.h"

#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"

#include <QWidget>

namespace forms {

void CenterForm(QWidget &window)
{
    // Normal first: a maximised window has no size of its own to centre.
    window.setWindowState(window.windowState() &
                          ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const QSize screen = Screen::sizeInPixels();
    const QSize frame = window.frameGeometry().size();
    window.move(qRound((screen.width() - frame.width()) / 2.0),
                qRound((screen.height() - frame.height()) / 2.0));
    // A frame that the window system reports later moves the centre.
    if (auto *form = qobject_cast<Form *>(&window))
        form->m_centred = true;
}

} // namespace forms
