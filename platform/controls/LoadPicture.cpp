#include "platform/controls/LoadPicture.h"

#include "platform/core/RuntimeError.h"

#include <QFileInfo>

QPixmap LoadPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        platform::raise(platform::err::FileNotFound);
    QPixmap picture;
    if (!picture.load(path))
        platform::raise(platform::err::InvalidPicture, QStringLiteral("Invalid picture"));
    return picture;
}
