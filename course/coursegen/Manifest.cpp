#include "course/coursegen/Manifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <stdexcept>

namespace coursegen {
namespace {

const QByteArray Header = QByteArrayLiteral("coursegen-manifest 1");

Manifest::Entry onDisk(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return {};
    return {{}, info.size(), info.lastModified().toMSecsSinceEpoch()};
}

} // namespace

QString localFile(const QString &folder, const QString &storedPath)
{
    QString relative = storedPath;
    relative.replace(u'\\', u'/');
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    return QDir(folder).filePath(relative);
}

QString Manifest::inFolderName()
{
    return QStringLiteral(".coursegen-manifest");
}

Manifest Manifest::load(const QString &fileName)
{
    Manifest manifest;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return manifest;
    if (file.readLine().trimmed() != Header)
        return manifest;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('\t');
        if (fields.size() != 4)
            continue;
        bool sizeOk = false;
        bool timeOk = false;
        Entry entry{fields.at(0), fields.at(1).toLongLong(&sizeOk),
                    fields.at(2).toLongLong(&timeOk)};
        if (sizeOk && timeOk)
            manifest.m_entries.insert(QString::fromUtf8(fields.at(3)), entry);
    }
    return manifest;
}

void Manifest::save(const QString &fileName) const
{
    QStringList paths = m_entries.keys();
    std::sort(paths.begin(), paths.end());
    QByteArray text = Header + '\n';
    for (const QString &path : paths) {
        const Entry &entry = m_entries[path];
        text += entry.inputHash + '\t' + QByteArray::number(entry.size) + '\t' +
                QByteArray::number(entry.modified) + '\t' + path.toUtf8() + '\n';
    }
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw std::runtime_error("cannot write " + file.fileName().toStdString() + ": " +
                                 file.errorString().toStdString());
}

bool Manifest::isUpToDate(const QString &folder, const QString &storedPath,
                          const QByteArray &inputHash) const
{
    const auto found = m_entries.constFind(storedPath);
    if (found == m_entries.constEnd() || found->inputHash != inputHash)
        return false;
    const Entry disk = onDisk(localFile(folder, storedPath));
    return disk.size == found->size && disk.modified == found->modified;
}

void Manifest::record(const QString &folder, const QString &storedPath, const QByteArray &inputHash)
{
    Entry entry = onDisk(localFile(folder, storedPath));
    entry.inputHash = inputHash;
    m_entries.insert(storedPath, entry);
}

} // namespace coursegen
