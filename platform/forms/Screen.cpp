#include "platform/forms/Screen.h"

#include "platform/core/RuntimeError.h"
#include "platform/core/Twips.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace forms {
namespace {

Screen::SizeSource &sizeSource()
{
    static Screen::SizeSource source;
    return source;
}

// The shape that this program has put on top of Qt's override-cursor stack,
// DefaultPointer when it has put none there.
int &pointerShape()
{
    static int shape = DefaultPointer;
    return shape;
}

} // namespace

QSize Screen::sizeInPixels()
{
    if (sizeSource())
        return sizeSource()();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize();
}

int Screen::Width()
{
    return platform::toTwips(sizeInPixels().width());
}

int Screen::Height()
{
    return platform::toTwips(sizeInPixels().height());
}

Screen::SizeSource Screen::setSizeSource(SizeSource source)
{
    SizeSource previous = std::move(sizeSource());
    sizeSource() = std::move(source);
    return previous;
}

int Screen::MousePointer()
{
    return pointerShape();
}

void Screen::setMousePointer(int shape)
{
    Qt::CursorShape cursor = Qt::ArrowCursor;
    switch (shape) {
    case DefaultPointer:
        if (pointerShape() != DefaultPointer)
            QGuiApplication::restoreOverrideCursor();
        pointerShape() = DefaultPointer;
        return;
    case ArrowPointer:
        cursor = Qt::ArrowCursor;
        break;
    case Hourglass:
        cursor = Qt::WaitCursor;
        break;
    default:
        platform::raise(platform::err::InvalidPropertyValue,
                        QStringLiteral("Invalid property value"));
    }
    if (pointerShape() == DefaultPointer)
        QGuiApplication::setOverrideCursor(QCursor(cursor));
    else
        QGuiApplication::changeOverrideCursor(QCursor(cursor));
    pointerShape() = shape;
}

} // namespace forms
