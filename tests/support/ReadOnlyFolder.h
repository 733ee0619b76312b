#pragma once

#include <QString>
#include <QtGlobal>

#include <sys/types.h>

// A folder and everything in it that this process cannot write while this
// lives: the permissions lose every write bit. The superuser writes whatever
// the permissions say, so a test run as root runs as "nobody" meanwhile
// (effective user only; the saved one brings root back at destruction).
class ReadOnlyFolder final
{
public:
    explicit ReadOnlyFolder(const QString &folder);
    // Only the file `onlyFile` in the folder; the folder and every other
    // entry stay writable, for "nobody" too.
    ReadOnlyFolder(const QString &folder, const QString &onlyFile);
    ~ReadOnlyFolder();
    Q_DISABLE_COPY_MOVE(ReadOnlyFolder)

private:
    void setWritable(bool writable) const;

    QString m_folder;
    QString m_onlyFile;
    uid_t m_previousUser;
};
