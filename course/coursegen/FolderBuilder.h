#pragma once

#include "course/coursegen/MediaJob.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace coursegen {

struct CoursePlan;

// Makes one media file at a local path (writing aside and renaming), or
// throws std::exception with a message. Called from several threads at once.
using MediaMaker = std::function<void(const MediaJob &job, const QString &file)>;

struct BuildSummary
{
    int files = 0;    // outputs of the plan, the users database included
    int made = 0;     // written by this run
    int upToDate = 0; // kept as they were
    int removed = 0;  // outputs of an earlier plan that this one no longer has
    double seconds = 0;
    QStringList errors;

    bool ok() const { return errors.isEmpty(); }
    // "coursegen: 412 files, 395 made, 17 up to date, 23.4 s"
    QString line() const;
};

// Brings a program folder up to date with a plan: makes the media that are
// missing or out of date in parallel, then the level databases, then the
// users database when it is missing, then removes what earlier plans made
// and this one does not. The level databases come after every medium, and
// not at all when a medium fails, so an interrupted run never leaves a
// folder that looks complete.
class FolderBuilder final
{
public:
    // The manifest of what was made (Manifest) is kept in manifestFile,
    // outside the folder, which holds only what the program reads.
    FolderBuilder(const QString &folder, const QString &manifestFile, MediaMaker maker);

    // 0 (the default): one thread per core.
    void setThreadCount(int threads) { m_threads = threads; }
    // Makes everything again, whatever the manifest says.
    void setForce(bool force) { m_force = force; }
    // Stands for the library that makes a family of media (a digest of its
    // binary): when it changes, every file of that family is made again.
    void setGeneratorFingerprint(MediaFamily family, const QByteArray &fingerprint)
    {
        m_fingerprints.insert(int(family), fingerprint);
    }

    BuildSummary build(const CoursePlan &plan);

private:
    QString m_folder;
    QString m_manifestFile;
    MediaMaker m_maker;
    int m_threads = 0;
    bool m_force = false;
    QHash<int, QByteArray> m_fingerprints;
};

} // namespace coursegen
