#include "platform/core/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

QString &overriddenAppPath()
{
    static QString folder;
    return folder;
}

// The entry of folder whose name equals name without regard to case; the
// name itself when there is none.
QString matchEntry(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString AppPath()
{
    if (!overriddenAppPath().isEmpty())
        return overriddenAppPath();
    return QCoreApplication::applicationDirPath();
}

void setAppPath(const QString &folder)
{
    overriddenAppPath() = folder;
}

QString localPath(const QString &path)
{
    QString unix = path;
    unix.replace(u'\\', u'/');
    if (unix.isEmpty() || QFileInfo::exists(unix))
        return unix;

    const bool absolute = unix.startsWith(u'/');
    const QStringList parts = unix.split(u'/', Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    bool found = true; // once a component is missing, the rest cannot be matched
    for (const QString &part : parts) {
        const QString folder = resolved.isEmpty() ? QStringLiteral(".") : resolved;
        const QString name =
            (found && part != u"." && part != u"..") ? matchEntry(folder, part) : part;
        if (!resolved.isEmpty() && !resolved.endsWith(u'/'))
            resolved += u'/';
        resolved += name;
        found = found && QFileInfo::exists(resolved);
    }
    return resolved;
}

QString ProgramPath(const QString &storedPath)
{
    return localPath(AppPath() + storedPath);
}

} // namespace platform
