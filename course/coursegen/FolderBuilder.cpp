#include "course/coursegen/FolderBuilder.h"

#include "course/coursegen/CourseDatabases.h"
#include "course/coursegen/CoursePlan.h"
#include "course/coursegen/Manifest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <exception>

namespace coursegen {
namespace {

// Rough cost, so the slow jobs start first and the cores finish together.
int cost(MediaKind kind)
{
    switch (kind) {
    case MediaKind::LetterSpeech:
        return 4; // the vowel is held at length
    case MediaKind::Speech:
    case MediaKind::SyllableSpeech:
    case MediaKind::Chant:
    case MediaKind::Applause:
    case MediaKind::Congratulations:
        return 3;
    case MediaKind::StrokeAnimation:
    case MediaKind::ExampleAnimation:
    case MediaKind::WordStrip:
    case MediaKind::Instruction:
    case MediaKind::TestInstruction:
    case MediaKind::Logo:
    case MediaKind::Loading:
    case MediaKind::ClickHint:
    case MediaKind::ClearClickHint:
        return 2;
    default:
        return 1;
    }
}

// One output to make: what it is and how to make it.
struct Task
{
    QString storedPath;
    QByteArray inputHash;
    int cost = 0;
    std::function<void(const QString &file)> make;
};

// Runs the tasks on a pool; returns the stored paths that were made, and
// adds a message for each failure.
QStringList runAll(const QString &folder, QList<Task> tasks, int threads, QStringList &errors)
{
    std::stable_sort(tasks.begin(), tasks.end(),
                     [](const Task &a, const Task &b) { return a.cost > b.cost; });
    QSet<QString> folders;
    for (const Task &task : tasks)
        folders.insert(QFileInfo(localFile(folder, task.storedPath)).absolutePath());
    for (const QString &path : folders) {
        if (!QDir().mkpath(path))
            errors << QStringLiteral("cannot make the folder %1").arg(path);
    }
    if (!errors.isEmpty())
        return {};

    QThreadPool pool;
    pool.setMaxThreadCount(threads > 0 ? threads : QThread::idealThreadCount());
    QMutex mutex;
    QStringList made;
    for (const Task &task : tasks) {
        pool.start([&, task] {
            const QString file = localFile(folder, task.storedPath);
            QString error;
            try {
                task.make(file);
                if (!QFileInfo(file).isFile())
                    error = QStringLiteral("no file was written");
            } catch (const std::exception &e) {
                error = QString::fromStdString(e.what());
            } catch (...) {
                error = QStringLiteral("unknown failure");
            }
            const QMutexLocker locker(&mutex);
            if (error.isEmpty())
                made << task.storedPath;
            else
                errors << QStringLiteral("%1: %2").arg(task.storedPath, error);
        });
    }
    pool.waitForDone();
    errors.sort();
    return made;
}

void removeWithEmptyFolders(const QString &folder, const QString &storedPath)
{
    const QString file = localFile(folder, storedPath);
    QFile::remove(file);
    const QString root = QDir(folder).absolutePath();
    QDir dir = QFileInfo(file).absoluteDir();
    while (dir.absolutePath() != root && dir.absolutePath().startsWith(root) &&
           dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QString name = dir.dirName();
        if (!dir.cdUp() || !dir.rmdir(name))
            break;
    }
}

// The users database as it lies in the folder: a copy brought over from a
// system where names ignore case may be spelt differently, and a second one
// beside it would hide the learners in it.
QString usersFile(const QString &folder)
{
    const QString name = QStringLiteral("Kelvo.kdt");
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(name);
}

} // namespace

QString BuildSummary::line() const
{
    return QStringLiteral("coursegen: %1 files, %2 made, %3 up to date, %4 s")
        .arg(files)
        .arg(made)
        .arg(upToDate)
        .arg(seconds, 0, 'f', 1);
}

FolderBuilder::FolderBuilder(const QString &folder, const QString &manifestFile, MediaMaker maker)
    : m_folder(folder)
    , m_manifestFile(manifestFile)
    , m_maker(std::move(maker))
{}

BuildSummary FolderBuilder::build(const CoursePlan &plan)
{
    QElapsedTimer timer;
    timer.start();
    BuildSummary summary;
    if (!QDir().mkpath(m_folder)) {
        summary.errors << QStringLiteral("cannot make the folder %1").arg(m_folder);
        return summary;
    }
    // A folder that an earlier version built still holds its manifest: it
    // is taken over, and leaves the folder once this one is saved.
    const QString inFolder = QDir(m_folder).filePath(Manifest::inFolderName());
    Manifest manifest =
        Manifest::load(QFileInfo::exists(m_manifestFile) ? m_manifestFile : inFolder);
    const auto finish = [&] {
        try {
            manifest.save(m_manifestFile);
            if (QFileInfo(inFolder).absoluteFilePath() !=
                QFileInfo(m_manifestFile).absoluteFilePath())
                QFile::remove(inFolder);
        } catch (const std::exception &e) {
            summary.errors << QString::fromStdString(e.what());
        }
        summary.seconds = timer.elapsed() / 1000.0;
        return summary;
    };

    const auto pending = [&](const QString &storedPath, const QByteArray &hash) {
        ++summary.files;
        if (!m_force && manifest.isUpToDate(m_folder, storedPath, hash)) {
            ++summary.upToDate;
            return false;
        }
        // Until it is made again, the old file counts as not made.
        manifest.forget(storedPath);
        return true;
    };

    QList<Task> media;
    for (const MediaJob &job : plan.media) {
        const QByteArray hash =
            job.inputHash(m_fingerprints.value(int(MediaJob::family(job.kind))));
        if (pending(job.storedPath, hash)) {
            media.append({job.storedPath, hash, cost(job.kind),
                          [this, job](const QString &file) { m_maker(job, file); }});
        }
    }
    QList<Task> levels;
    for (const LevelContent &content : plan.levels) {
        const QByteArray hash = content.contentHash();
        if (pending(content.storedPath(), hash)) {
            levels.append({content.storedPath(), hash, 1, [content](const QString &file) {
                               databases::writeLevel(content, file);
                           }});
        }
    }

    for (QList<Task> *phase : {&media, &levels}) {
        const QStringList madeList = runAll(m_folder, *phase, m_threads, summary.errors);
        const QSet<QString> made(madeList.cbegin(), madeList.cend());
        for (const Task &task : *phase) {
            if (made.contains(task.storedPath))
                manifest.record(m_folder, task.storedPath, task.inputHash);
        }
        summary.made += int(made.size());
        if (!summary.ok())
            return finish();
    }

    ++summary.files;
    try {
        if (databases::ensureUsers(usersFile(m_folder)) == databases::UsersFile::Created)
            ++summary.made;
        else
            ++summary.upToDate;
    } catch (const std::exception &e) {
        summary.errors << QString::fromStdString(e.what());
    }

    // Only what a run of this tool made is ever removed: the folder also holds
    // the program itself and the learners' users database.
    QSet<QString> planned;
    for (const MediaJob &job : plan.media)
        planned.insert(job.storedPath);
    for (const LevelContent &content : plan.levels)
        planned.insert(content.storedPath());
    for (const QString &path : manifest.paths()) {
        if (!planned.contains(path)) {
            removeWithEmptyFolders(m_folder, path);
            manifest.forget(path);
            ++summary.removed;
        }
    }
    return finish();
}

} // namespace coursegen
