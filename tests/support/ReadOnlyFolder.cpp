#include "tests/support/ReadOnlyFolder.h"

#include <QDirIterator>
#include <QFile>

#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions ReadAndSearch = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions ReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &folder)
    : m_folder(folder)
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
    const QFileDevice::Permissions owner =
        writable ? QFileDevice::WriteOwner : QFileDevice::Permissions();
    QDirIterator entries(m_folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    QStringList folders{m_folder};
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (entries.fileInfo().isDir())
            folders << path;
        else
            QFile::setPermissions(path, ReadOnly | owner);
    }
    for (const QString &path : folders)
        QFile::setPermissions(path, ReadAndSearch | owner);
}
