// Another copy of the program at work on a users database, as fast as it can:
// it adds learners, logs each in and advances its level, through the
// program's own users layer. Every row it reports ("user NAME", "level NAME
// N") has been committed before the line is written; a failed check is
// reported as "error ..." and ends it with status 1.
//
//     users_worker USERS_DB NAME_PREFIX USERS ADVANCES   (USERS 0: for ever)
//
// Or it holds a write half-done until it is killed: every learner's level
// changed in a transaction whose first pages are already in the file, and
// "held" reported.
//
//     users_worker USERS_DB hold
#include "platform/core/RuntimeError.h"
#include "platform/db/Database.h"
#include "shell/PasswordHash.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

int fail(const QString &what)
{
    std::printf("error %s: %s\n", qPrintable(what), qPrintable(modErrors::gErrMsg));
    std::fflush(stdout);
    return 1;
}

void report(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

int holdAWrite(const QString &usersDatabase)
{
    std::unique_ptr<db::Database> database;
    try {
        database = db::Database::openExisting(usersDatabase);
        // One page of cache: the update's pages spill into the file before
        // the commit, after the journal that undoes them.
        database->exec(QStringLiteral("PRAGMA cache_size=1"));
        database->exec(QStringLiteral("BEGIN"));
        database->exec(QStringLiteral("UPDATE UserDetails SET LevelAt = LevelAt + 1"));
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = error.description();
        return fail(QStringLiteral("hold"));
    }
    report(QStringLiteral("held"));
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[2]) == "hold")
        return holdAWrite(QString::fromLocal8Bit(argv[1]));
    if (argc != 5) {
        std::fprintf(stderr, "usage: users_worker USERS_DB NAME_PREFIX USERS ADVANCES\n"
                             "       users_worker USERS_DB hold\n");
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int users = QByteArray(argv[3]).toInt();
    const int advances = QByteArray(argv[4]).toInt();

    passwords::setCheapHashingForTests(true);
    modMain::gDbPath = QString::fromLocal8Bit(argv[1]);
    modMain::OpenUserDatabase();
    if (!modErrors::gErrMsg.isEmpty())
        return fail(QStringLiteral("open"));

    for (int i = 1; users == 0 || i <= users; ++i) {
        const QString name = prefix + QString::number(i);
        const QString password = QStringLiteral("pw") + QString::number(i);
        if (modMain::AddUser(name, password) != -1)
            return fail(QStringLiteral("add ") + name);
        report(QStringLiteral("user ") + name);
        if (modMain::ValidateUser(name, password) != -1)
            return fail(QStringLiteral("log in ") + name);
        modMain::gUserName = name;
        for (int a = 0; a < advances; ++a) {
            if (modMain::AdvanceUserLevel(name, 0) != -1 || !modErrors::gErrMsg.isEmpty())
                return fail(QStringLiteral("advance ") + name);
            report(QStringLiteral("level %1 %2").arg(name).arg(modMain::GetUserLevel(name, true)));
        }
    }
    report(QStringLiteral("done"));
    return 0;
}
