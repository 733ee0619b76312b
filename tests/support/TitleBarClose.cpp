#include "tests/support/TitleBarClose.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <qtestspontaneevent.h>

void closeFromTitleBar(QWidget &window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    // sendEvent() would clear the spontaneous mark; Qt Test delivers its own
    // input the same way.
    QApplication::instance()->notify(&window, &event);
}
