#include "platform/db/Database.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "shell/mainwindow/MainMenus.h"
#include "tests/shell/ShellFixture.h"
#include "tests/support/FileContents.h"
#include "tests/support/ReadOnlyFolder.h"

#include <QDateTime>

using modErrors::gErrMsg;
using namespace modMain;

namespace {

// Stands in for the main window: counts what the levels code asks of it.
class MainWindowDouble final : public forms::Form, public MainMenus
{
public:
    MainWindowDouble()
        : Form(QStringLiteral("frmMain"))
    {}
    void EnableDisableMenus(bool enable) override { calls << enable; }
    QList<bool> calls;
};

class LevelsTest : public ShellFixture
{
protected:
    // Ravi at stored level 5, logged in.
    void SetUp() override
    {
        ShellFixture::SetUp();
        schema::Writer writer(folder.usersDatabase());
        writer.addUser(QStringLiteral("Anya"), db::Variant(), 2, QDateTime(QDate(2020, 1, 1), {}));
        writer.addUser(QStringLiteral("Ravi"), db::Variant(), 5, QDateTime(QDate(2020, 1, 1), {}));
        openUsers();
        gUserName = QStringLiteral("Ravi");
    }

    int storedLevel() const
    {
        return storedField(QStringLiteral("Ravi"), QStringLiteral("LevelAt")).toInteger();
    }
    QDateTime storedTime() const
    {
        return storedField(QStringLiteral("Ravi"), QStringLiteral("LastUpdated")).toDateTime();
    }
    QString levelPath(const QString &file) const
    {
        return folder.path() + QStringLiteral("/levels/") + file;
    }
};

TEST_F(LevelsTest, UserLevelIsThePracticeLevelUnlessStoredOnly)
{
    EXPECT_EQ(GetUserLevel(QStringLiteral("ravi"), false), 5);
    gLevel = 3;
    EXPECT_EQ(GetUserLevel(QStringLiteral("Ravi"), false), 3);
    EXPECT_EQ(GetUserLevel(QStringLiteral("Ravi"), true), 5);
    EXPECT_EQ(GetUserLevel(QStringLiteral("ANYA"), true), 2);
    EXPECT_EQ(GetUserLevel(QStringLiteral("Nobody"), true), 1);
    EXPECT_TRUE(gErrMsg.isEmpty());
}

TEST_F(LevelsTest, PassWithoutPracticeStoresNextLevelAndTime)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), -1);
    EXPECT_EQ(storedLevel(), 6);
    EXPECT_LE(before, storedTime());
    EXPECT_EQ(gLevel, 0);
    EXPECT_EQ(GetUserLevel(gUserName, true), 6);

    EXPECT_EQ(AdvanceUserLevel(gUserName, 12), -1);
    EXPECT_EQ(storedLevel(), 12);
    // Anya's row is untouched.
    EXPECT_EQ(storedField(QStringLiteral("Anya"), QStringLiteral("LevelAt")).toInteger(), 2);
}

// A stored level no pass could have written is read as the nearest level of
// the course and left in the file as it is until the next pass.
TEST_F(LevelsTest, AStoredLevelOutsideTheCourseIsReadAsTheNearestAndNotWrittenBack)
{
    const struct
    {
        const char *stored;
        int read;
    } cases[] = {{"0", 1},   {"-3", 1},  {"NULL", 1},  {"'abc'", 1},
                 {"2.5", 3}, {"27", 26}, {"1000", 26}, {"'12'", 12}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        db::Database::openExisting(folder.usersDatabase())
            ->exec(QStringLiteral("UPDATE UserDetails SET LevelAt = %1 WHERE UserName = 'Ravi'")
                       .arg(QLatin1String(c.stored)));
        openUsers();
        const QByteArray users = fileBytes(folder.usersDatabase());
        EXPECT_EQ(GetUserLevel(gUserName, true), c.read);
        EXPECT_EQ(GetUserLevel(gUserName, false), c.read);
        EXPECT_TRUE(gErrMsg.isEmpty()) << gErrMsg.toStdString();
        EXPECT_EQ(fileBytes(folder.usersDatabase()), users);
    }

    db::Database::openExisting(folder.usersDatabase())
        ->exec(QStringLiteral("UPDATE UserDetails SET LevelAt = -3 WHERE UserName = 'Ravi'"));
    openUsers();
    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), -1);
    EXPECT_EQ(storedLevel(), 2);
}

TEST_F(LevelsTest, PracticeWalksUpToTheStoredLevelThenStores)
{
    gLevel = 3;
    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), 0);
    EXPECT_EQ(gLevel, 4);
    EXPECT_EQ(storedLevel(), 5);
    EXPECT_EQ(storedTime(), QDateTime(QDate(2020, 1, 1), {}));

    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), 0);
    EXPECT_EQ(gLevel, 5);
    EXPECT_EQ(storedLevel(), 5);

    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), -1);
    EXPECT_EQ(storedLevel(), 6);
    EXPECT_EQ(gLevel, 5);
}

TEST_F(LevelsTest, CaughtUpPracticeStoresTheGivenLevel)
{
    gLevel = 5;
    EXPECT_EQ(AdvanceUserLevel(gUserName, 9), -1);
    EXPECT_EQ(storedLevel(), 9);
    EXPECT_EQ(gLevel, 5);
}

TEST_F(LevelsTest, AdvancingAnUnknownUserWritesNothing)
{
    gUserName = QStringLiteral("Ghost");
    EXPECT_EQ(AdvanceUserLevel(gUserName, 0), 101);
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Username Ghost does not exist.")));
    EXPECT_EQ(storedLevel(), 5);
}

// The one way a window stores a pass: whether the learner's level is safe,
// and when it is not, the learner's report waiting.
TEST_F(LevelsTest, StorePassSaysWhetherThePassIsInTheFile)
{
    EXPECT_TRUE(StorePass(0));
    EXPECT_EQ(storedLevel(), 6);
    gLevel = 4;
    EXPECT_TRUE(StorePass(0));
    EXPECT_EQ(gLevel, 5);
    EXPECT_TRUE(gErrMsg.isEmpty());
    gLevel = 0;
    {
        ReadOnlyFolder readOnly(folder.path());
        EXPECT_FALSE(StorePass(0));
    }
    EXPECT_EQ(storedLevel(), 6);
    EXPECT_EQ(GetUserLevel(gUserName, true), 6);
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Your pass could not be saved, so this level "
                                                  "will have to be passed again.\r\rError No=")))
        << gErrMsg.toStdString();

    gUserName = QStringLiteral("Ghost");
    EXPECT_FALSE(StorePass(0));
    EXPECT_TRUE(gErrMsg.contains(QStringLiteral("\r\rUsername Ghost does not exist.")))
        << gErrMsg.toStdString();
}

TEST_F(LevelsTest, SetLevelNamesTheLevelDatabase)
{
    SetLevel(7);
    EXPECT_EQ(gLevelDbPath, levelPath(QStringLiteral("level7.kdt")));
    SetLevel(12);
    EXPECT_EQ(gLevelDbPath, levelPath(QStringLiteral("level12.kdt")));

    SetLevel(-1);
    EXPECT_EQ(gLevelDbPath, levelPath(QStringLiteral("level5.kdt")));
    gLevel = 3;
    SetLevel(-1);
    EXPECT_EQ(gLevelDbPath, levelPath(QStringLiteral("level3.kdt")));
}

TEST_F(LevelsTest, SetLevelTitlesTheLoadedMainWindow)
{
    SetLevel(2); // no main window: nothing to title, no error
    EXPECT_TRUE(gErrMsg.isEmpty());

    MainWindowDouble main;
    main.setCaption(QStringLiteral("Loading"));
    main.Load();
    SetLevel(4);
    EXPECT_EQ(main.Caption(), QStringLiteral("Ostrana"));
    main.Unload();
}

TEST_F(LevelsTest, RefreshMainMenusReachesTheLoadedMainWindow)
{
    RefreshMainMenus(true); // not loaded: nothing happens

    MainWindowDouble main;
    main.Load();
    RefreshMainMenus(true);
    RefreshMainMenus(false);
    EXPECT_EQ(main.calls, (QList<bool>{true, false}));
    main.Unload();
    RefreshMainMenus(true);
    EXPECT_EQ(main.calls.size(), 2);
}

TEST_F(LevelsTest, PassMarkIsTheFirstExamRowOrMinusOne)
{
    SetLevel(9);
    EXPECT_EQ(GetPassMark(), -1);
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Error No=3021\r"))) << gErrMsg.toStdString();
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);

    gErrMsg.clear();
    {
        schema::Writer writer(folder.levelDatabase(9));
        writer.addExam(2, 4);
        writer.addExam(1, 7);
    }
    EXPECT_EQ(GetPassMark(), 7);
    EXPECT_TRUE(gErrMsg.isEmpty());

    SetLevel(30); // no such database
    EXPECT_EQ(GetPassMark(), -1);
    EXPECT_TRUE(gErrMsg.startsWith(QStringLiteral("Error No=53\r"))) << gErrMsg.toStdString();
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
}

// A mark that could not be read asks for every answer, not for none.
TEST_F(LevelsTest, APassMarkOfMinusOneNeedsEveryAnswerRight)
{
    EXPECT_FALSE(MeetsPassMark(14, 15, -1));
    EXPECT_TRUE(MeetsPassMark(15, 15, -1));
    EXPECT_FALSE(MeetsPassMark(9, 15, 10));
    EXPECT_TRUE(MeetsPassMark(10, 15, 10));
}

} // namespace
