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
    return QIcon(QStringLiteral(":/icons/ostrana.png"));
}

} // namespace resources
