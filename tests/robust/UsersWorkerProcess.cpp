#include "tests/robust/UsersWorkerProcess.h"

#include "platform/db/Database.h"
#include "platform/db/Statement.h"
#include "platform/db/Variant.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>

UsersWorkerProcess::UsersWorkerProcess(const QString &usersDatabase, const QString &namePrefix,
                                       int users, int advances)
{
    start({usersDatabase, namePrefix, QString::number(users), QString::number(advances)});
}

UsersWorkerProcess::UsersWorkerProcess(const QString &usersDatabase)
{
    start({usersDatabase, QStringLiteral("hold")});
}

void UsersWorkerProcess::start(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(USERS_WORKER), arguments);
}

UsersWorkerProcess::~UsersWorkerProcess()
{
    if (m_process.state() != QProcess::NotRunning)
        kill();
}

void UsersWorkerProcess::readLines()
{
    m_partial += m_process.readAllStandardOutput();
    int end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        m_lines << QString::fromUtf8(m_partial.left(end));
        m_partial.remove(0, end + 1);
    }
}

bool UsersWorkerProcess::waitForReports(int count, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    readLines();
    while (m_lines.size() < count && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(int(deadline.remainingTime())))
            break;
        readLines();
    }
    return m_lines.size() >= count;
}

void UsersWorkerProcess::kill()
{
    m_process.kill(); // SIGKILL on Unix
    m_process.waitForFinished(10000);
    readLines();
}

bool UsersWorkerProcess::finishedWell(int timeoutMs)
{
    const bool ended = m_process.waitForFinished(timeoutMs);
    readLines();
    return ended && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QString UsersWorkerProcess::errors() const
{
    return m_lines.filter(QRegularExpression(QStringLiteral("^error "))).join(u'\n');
}

QMap<QString, int> UsersWorkerProcess::committedLevels() const
{
    QMap<QString, int> levels;
    for (const QString &line : m_lines) {
        const QStringList words = line.split(u' ');
        if (words.size() == 2 && words[0] == QLatin1String("user"))
            levels[words[1]] = 1;
        else if (words.size() == 3 && words[0] == QLatin1String("level"))
            levels[words[1]] = words[2].toInt();
    }
    return levels;
}

QString integrityCheck(const QString &usersDatabase)
{
    const auto database = db::Database::openExisting(usersDatabase);
    db::Statement check(*database, QStringLiteral("PRAGMA integrity_check"));
    QStringList verdict;
    while (check.step())
        verdict << check.value(0).toString();
    return verdict.join(u'\n');
}

QMap<QString, int> storedLevels(const QString &usersDatabase)
{
    const auto database = db::Database::openExisting(usersDatabase);
    db::Statement rows(*database, QStringLiteral("SELECT UserName, LevelAt FROM UserDetails"));
    QMap<QString, int> levels;
    while (rows.step())
        levels[rows.value(0).toString()] = int(rows.value(1).toInt64());
    return levels;
}
