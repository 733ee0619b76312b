#include "bench/startup/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

void reportAndEnd(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    std::_Exit(EXIT_SUCCESS);
}

FirstPaintProbe::FirstPaintProbe(const QString &windowName, const QByteArray &line, QObject *parent)
    : QObject(parent)
    , m_windowName(windowName)
    , m_line(line)
{}

void FirstPaintProbe::install(const QString &windowName, const QByteArray &line)
{
    qApp->installEventFilter(new FirstPaintProbe(windowName, line, qApp));
}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        watched->objectName() == m_windowName) {
        // The window paints before its controls, and the whole window reaches
        // the screen after the last of them: report once that is done.
        QMetaObject::invokeMethod(
            this, [this] { reportAndEnd(m_line); }, Qt::QueuedConnection);
    }
    return false;
}
