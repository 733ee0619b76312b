#include "tests/support/TempProgramFolder.h"

#include "course/schema/Create.h"
#include "platform/core/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TempProgramFolder::TempProgramFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary program folder");
    schema::createUsersDatabase(usersDatabase());
    for (int level = 1; level <= 25; ++level)
        schema::createLevelDatabase(levelDatabase(level));
    platform::setAppPath(path());
}

TempProgramFolder::~TempProgramFolder()
{
    platform::setAppPath(QString());
}

QString TempProgramFolder::path() const
{
    return m_dir.path();
}

QString TempProgramFolder::usersDatabase() const
{
    return m_dir.filePath(QStringLiteral("Kelvo.kdt"));
}

QString TempProgramFolder::levelDatabase(int level) const
{
    return m_dir.filePath(QStringLiteral("levels/level%1.kdt").arg(level));
}

QString TempProgramFolder::addFile(const QString &relativePath, const QByteArray &content)
{
    const QString full = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        throw std::runtime_error("cannot write " + full.toStdString());
    return full;
}
