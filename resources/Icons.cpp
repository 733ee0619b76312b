#include "resources/Icons.h"

namespace resources {

QPixmap LoadResPicture(int id)
{
    switch (id) {
    case TickIcon:
        return QPixmap(QStringLiteral(":/icons/tick.png"));
    case CrossIcon:
        return QPixmap(QStringLiteral(":/icons/cross.png"));
    default:
        return {};
    }
}

QIcon applicationIcon()
{
    // Read once: every window sets it, and reading it is a picture decode.
    // Never freed, so that no pixmap outlives the application at exit.
    static const QIcon *const icon = new QIcon(QStringLiteral(":/icons/ostrana.png"));
    return *icon;
}

} // namespace resources
