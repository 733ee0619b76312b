#include "tests/support/TempProgramFolder.h"

#include "DbTestSupport.h"
#include "platform/core/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

TEST(TempProgramFolder, IsTheProgramFolderWithEveryDatabaseWhileItLives)
{
    QString folder;
    {
        TempProgramFolder program;
        folder = program.path();
        EXPECT_EQ(platform::AppPath(), folder);

        db::Connection users;
        dbtest::openAsTheCourseDoes(users, platform::AppPath() + QStringLiteral("\\Kelvo.kdt"));
        db::Recordset rs;
        rs.Open(QStringLiteral("select * from UserDetails Order by UserName"), users);
        EXPECT_EQ(rs.RecordCount(), 0);

        for (int level : {1, 13, 25}) {
            db::Connection connection;
            dbtest::openAsTheCourseDoes(connection,
                                        platform::AppPath() +
                                            QStringLiteral("\\levels\\level%1.kdt").arg(level));
            db::Recordset exam;
            exam.Open(QStringLiteral("select * from Exam Order by ID"), connection);
            EXPECT_EQ(exam.RecordCount(), 0) << level;
        }

        const QString sound = program.addFile(QStringLiteral("sounds/ohm.mp3"), "x");
        EXPECT_EQ(platform::ProgramPath(QStringLiteral("\\Sounds\\ohm.mp3")), sound);
    }
    EXPECT_EQ(platform::AppPath(), QCoreApplication::applicationDirPath());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

} // namespace
