#include "tests/support/ReadOnlyFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions ReadAndSearch = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions ReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions WriteByAnyone =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &folder)
    : ReadOnlyFolder(folder, QString())
{}

ReadOnlyFolder::ReadOnlyFolder(const QString &folder, const QString &onlyFile)
    : m_folder(folder)
    , m_onlyFile(onlyFile.isEmpty() ? QString() : QFileInfo(onlyFile).absoluteFilePath())
    , m_previousUser(geteuid())
{
    setWritable(false);
    if (m_previousUser == 0) {
        const passwd *nobody = getpwnam("nobody");
        if (nobody == nullptr || seteuid(nobody->pw_uid) != 0)
            throw std::runtime_error("cannot give up the superuser's rights");
    }
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (geteuid() != m_previousUser && seteuid(m_previousUser) != 0)
        std::abort(); // every later test would run with the wrong rights
    setWritable(true);
}

void ReadOnlyFolder::setWritable(bool writable) const
{
    // While this lives, what stays writable is writable by "nobody" as well.
    const auto write = [&](const QString &path) {
        if (writable)
            return QFileDevice::Permissions(QFileDevice::WriteOwner);
        if (!m_onlyFile.isEmpty() && QFileInfo(path).absoluteFilePath() != m_onlyFile)
            return WriteByAnyone;
        return QFileDevice::Permissions();
    };
    QDirIterator entries(m_folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    QStringList folders{m_folder};
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (entries.fileInfo().isDir())
            folders << path;
        else
            QFile::setPermissions(path, ReadOnly | write(path));
    }
    for (const QString &path : folders)
        QFile::setPermissions(path, ReadAndSearch | write(path));
}
