#include "platform/services/StartProgram.h"

#include <QProcess>

namespace services {

bool StartProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, {});
}

} // namespace services
