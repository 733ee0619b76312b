#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace coursegen {

// What the last run made in a program folder: for each output (by stored
// path) the digest of its inputs and the size and time of the file as it was
// written. It is the build's bookkeeping and lies outside the folder. A file is up to date when its
// digest is the planned one and the file on disk is still the one that was written.
class Manifest final
{
public:
    struct Entry
    {
        QByteArray inputHash;
        qint64 size = -1;
        qint64 modified = 0; // ms since the epoch
    };

    // ".coursegen-manifest": where runs of an earlier version kept it, in
    // the folder itself.
    static QString inFolderName();

    // A missing or unreadable manifest is an empty one: everything is made.
    static Manifest load(const QString &file);
    // Written aside and renamed into place.
    void save(const QString &file) const;

    bool isUpToDate(const QString &folder, const QString &storedPath,
                    const QByteArray &inputHash) const;
    // Records the file as it now lies in the folder.
    void record(const QString &folder, const QString &storedPath, const QByteArray &inputHash);
    void forget(const QString &storedPath) { m_entries.remove(storedPath); }

    QStringList paths() const { return m_entries.keys(); }
    bool contains(const QString &storedPath) const { return m_entries.contains(storedPath); }

private:
    QHash<QString, Entry> m_entries;
};

// A stored path ("\levels\level1.kdt") as a file in the folder.
QString localFile(const QString &folder, const QString &storedPath);

} // namespace coursegen
