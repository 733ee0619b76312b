#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

// A users_worker process (UsersWorker.cpp) started on a users database, and
// what it reported committed.
class UsersWorkerProcess final
{
public:
    // users 0: it goes on until it is killed.
    UsersWorkerProcess(const QString &usersDatabase, const QString &namePrefix, int users,
                       int advances);
    // One that holds a write half-done (the "hold" mode); it has reported
    // "held" once the file is left to be mended by the journal.
    explicit UsersWorkerProcess(const QString &usersDatabase);
    ~UsersWorkerProcess();
    Q_DISABLE_COPY_MOVE(UsersWorkerProcess)

    // Waits until it has reported at least count rows; false if it ended or
    // the time ran out first.
    bool waitForReports(int count, int timeoutMs);
    // SIGKILL, and waits until it is gone.
    void kill();
    // Waits for its own end; true when it ended with status 0.
    bool finishedWell(int timeoutMs);

    QStringList lines() const { return m_lines; }
    QString errors() const;
    // Each learner it reported added, at the last level it reported stored.
    QMap<QString, int> committedLevels() const;

private:
    void start(const QStringList &arguments);
    void readLines();

    QProcess m_process;
    QByteArray m_partial;
    QStringList m_lines;
};

// The users database as the engine finds it: the integrity check's verdict
// ("ok" for a sound file) and each stored learner's LevelAt.
QString integrityCheck(const QString &usersDatabase);
QMap<QString, int> storedLevels(const QString &usersDatabase);
