// The users recordset as the login uses it: opened once with every user read
// into memory, then scanned from the first row for a name, without regard to
// case. Measured for a household or classroom far larger than expected.

#include "course/schema/Create.h"
#include "course/schema/Writer.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

const QString UsersQuery = QStringLiteral("select * from UserDetails Order by UserName");

// One users file per user count, made once for the whole run.
class UsersFile
{
public:
    explicit UsersFile(int users)
    {
        m_path = m_folder.filePath(QStringLiteral("Kelvo.kdt"));
        schema::createUsersDatabase(m_path);
        schema::Writer writer(m_path);
        writer.begin();
        for (int i = 0; i < users; ++i)
            writer.addUser(name(i), QStringLiteral("secret"), 1 + i % 25);
        writer.commit();
    }

    static QString name(int i) { return QStringLiteral("learner%1").arg(i, 5, 10, QChar(u'0')); }

    QString connectionString() const
    {
        return QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=") + m_path +
               QStringLiteral(";");
    }

private:
    QTemporaryDir m_folder;
    QString m_path;
};

const UsersFile &usersFile(int users)
{
    static std::map<int, std::unique_ptr<UsersFile>> files;
    auto &file = files[users];
    if (!file)
        file = std::make_unique<UsersFile>(users);
    return *file;
}

void OpenUsersRecordset(benchmark::State &state)
{
    const UsersFile &file = usersFile(int(state.range(0)));
    for (auto _ : state) {
        db::Connection connection;
        connection.Open(file.connectionString());
        db::Recordset users;
        users.Open(UsersQuery, connection);
        benchmark::DoNotOptimize(users.RecordCount());
        users.Close();
        connection.Close();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(OpenUsersRecordset)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The worst case of the login's lookup: the name sought is the last one.
void LoginScan(benchmark::State &state)
{
    const int count = int(state.range(0));
    const UsersFile &file = usersFile(count);
    db::Connection connection;
    connection.Open(file.connectionString());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    const QString sought = UsersFile::name(count - 1).toUpper();
    for (auto _ : state) {
        bool found = false;
        for (users.MoveFirst(); !users.Eof(); users.MoveNext()) {
            if (users.Field(QStringLiteral("UserName")).toString().toUpper() == sought) {
                found = true;
                break;
            }
        }
        if (!found)
            state.SkipWithError("the last user was not found");
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(LoginScan)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Storing a passed level: one row written and committed.
void StoreLevel(benchmark::State &state)
{
    const UsersFile &file = usersFile(1000);
    db::Connection connection;
    connection.Open(file.connectionString());
    db::Recordset users;
    users.Open(UsersQuery, connection);
    users.MoveFirst();
    int level = 1;
    for (auto _ : state) {
        users.setField(QStringLiteral("LevelAt"), level);
        users.setField(QStringLiteral("LastUpdated"), QDateTime::currentDateTime());
        users.Update();
        level = level % 25 + 1;
    }
}
BENCHMARK(StoreLevel)->Unit(benchmark::kMillisecond);

} // namespace
