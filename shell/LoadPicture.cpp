#include "shell/LoadPicture.h"

#include "platform/core/RuntimeError.h"

#include <QFileInfo>

namespace {

constexpr int InvalidPicture = 481;

} // namespace

QPixmap LoadPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        platform::raise(platform::err::FileNotFound);
    QPixmap picture;
    if (!picture.load(path))
        platform::raise(InvalidPicture, QStringLiteral("Invalid picture"));
    return picture;
}
