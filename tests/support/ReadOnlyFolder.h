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
    ~ReadOnlyFolder();
    Q_DISABLE_COPY_MOVE(ReadOnlyFolder)

private:
    void setWritable(bool writable) const;

    QString m_folder;
    uid_t m_previousUser;
};
