#include "course/schema/Writer.h"
#include "platform/controls/PasswordBox.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Variant.h"
#include "platform/forms/Forms.h"
#include "shell/PasswordHash.h"
#include "shell/dialogs/frmLogin.h"
#include "shell/dialogs/frmNewUser.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/robust/UsersWorkerProcess.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/FileContents.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {

frmMain *mainWindow()
{
    return forms::Forms::find<frmMain>(QStringLiteral("frmMain"));
}

bool isLoaded(const char *formName)
{
    return forms::Forms::find(QString::fromLatin1(formName)) != nullptr;
}

// Types Meera's name and password into the new-user dialog and presses OK;
// null when the modal window is another.
frmNewUser *createMeera(QWidget *modal)
{
    auto *create = qobject_cast<frmNewUser *>(modal);
    if (create != nullptr) {
        QTest::keyClicks(create->txtUserName, QStringLiteral("Meera"));
        QTest::keyClicks(create->txtPassword, QStringLiteral("mango7"));
        QTest::mouseClick(create->cmdOK, Qt::LeftButton);
    }
    return create;
}

// Notes the windows in the order of their first paints, and whether the main
// window had been built by each; runs an action as the login shows, before
// it has painted.
class FirstPaints final : public QObject
{
public:
    explicit FirstPaints(std::function<void(frmLogin &)> onLoginShown = {})
        : m_onLoginShown(std::move(onLoginShown))
    {
        qApp->installEventFilter(this);
    }

    QStringList windows;
    QList<bool> mainWindowBuilt;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget == nullptr || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Paint && !windows.contains(widget->objectName())) {
            windows << widget->objectName();
            mainWindowBuilt << (mainWindow() != nullptr);
        } else if (event->type() == QEvent::Show && m_onLoginShown) {
            if (auto *login = qobject_cast<frmLogin *>(widget))
                std::exchange(m_onLoginShown, {})(*login);
        }
        return false;
    }

private:
    std::function<void(frmLogin &)> m_onLoginShown;
};

// The start-up with a program folder of its own: a users database without
// users, the start-up sound, and sounds that end when the test says.
class StartUp : public ::testing::Test
{
protected:
    StartUp()
    {
        modMain::resetForTests();
        folder.addFile(QStringLiteral("sounds/ohm.mp3"));
    }

    ~StartUp() override
    {
        // The main window outlives Main, as in the program.
        delete mainWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        modMain::resetForTests();
    }

    TempProgramFolder folder;
    std::unique_ptr<FakeSoundBackend::Installation> sounds = FakeSoundBackend::install();
    ScreenSizeDouble screen{1024, 768};
    ModalWatchdog watchdog{20000};
};

TEST_F(StartUp, ANewLearnerLogsInAndTheInformationScreenShows)
{
    MessageBoxScript noBoxes;
    bool splashUpDuringLogin = false;
    bool mainHiddenDuringLogin = false;
    int introPlaysDuringLogin = 0;
    std::unique_ptr<WhenModal> newUserDialog;

    WhenModal login([&](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        splashUpDuringLogin = forms::Forms::find(QStringLiteral("frmSplash"))->isVisible();
        mainHiddenDuringLogin = mainWindow() != nullptr && !mainWindow()->isVisible();

        // The start-up sound keeps looping while the login waits.
        FakeSoundBackend *intro = FakeSoundBackend::of(*mainWindow()->IntroSound);
        intro->finish();
        QTRY_COMPARE_WITH_TIMEOUT(intro->playCount(), 2, 2000);
        introPlaysDuringLogin = intro->playCount();

        newUserDialog = std::make_unique<WhenModal>([](QWidget *next) { createMeera(next); });
        QTest::mouseClick(dialog->cmdNew, Qt::LeftButton);
        ASSERT_EQ(dialog->txtUserName->text(), QStringLiteral("Meera"));
        QTest::keyClicks(dialog->txtPassword, QStringLiteral("mango7"));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });

    modMain::Main();

    ASSERT_TRUE(login.done());
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(splashUpDuringLogin);
    EXPECT_TRUE(mainHiddenDuringLogin);
    EXPECT_EQ(introPlaysDuringLogin, 2);

    // The login and the splash are gone; the main window is up on its
    // information screen.
    EXPECT_FALSE(isLoaded("frmLogin"));
    EXPECT_FALSE(isLoaded("frmSplash"));
    frmMain *main = mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isModal());
    EXPECT_EQ(main->Caption(), QStringLiteral("Ostrana"));
    EXPECT_TRUE(main->ssPnlInfo->isVisible());
    EXPECT_TRUE(main->mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(main->pnl3dLetter->isHidden());

    // The learner, stored at level 1, with the alphabet's first level open.
    EXPECT_EQ(modMain::gUserName, QStringLiteral("Meera"));
    EXPECT_EQ(modMain::gLevel, 0);
    EXPECT_TRUE(modMain::gLevelDbPath.endsWith(QStringLiteral("level1.kdt")));
    EXPECT_TRUE(main->mnuFileExercise1Item[0]->isEnabled());
    EXPECT_FALSE(main->mnuFileExercise1Item[1]->isEnabled());

    db::Connection connection;
    connection.Open(QStringLiteral("Data Source=") + folder.usersDatabase() + QStringLiteral(";"));
    db::Recordset users;
    users.Open(QStringLiteral("select * from UserDetails"), connection);
    ASSERT_EQ(users.RecordCount(), 1);
    users.MoveFirst();
    EXPECT_EQ(users.Field(QStringLiteral("UserName")).toString(), QStringLiteral("Meera"));
    EXPECT_EQ(users.Field(QStringLiteral("LevelAt")).toInteger(), 1);
    const QDateTime updated = users.Field(QStringLiteral("LastUpdated")).toDateTime();
    EXPECT_LE(qAbs(updated.secsTo(QDateTime::currentDateTime())), 60);
    users.Close();
    connection.Close();

    // The start-up sound: hidden, from the program folder, looping on.
    EXPECT_FALSE(main->IntroSound->Visible());
    FakeSoundBackend *intro = FakeSoundBackend::of(*main->IntroSound);
    EXPECT_TRUE(intro->openFile().endsWith(QStringLiteral("sounds/ohm.mp3")));
    intro->finish();
    QTRY_COMPARE_WITH_TIMEOUT(intro->playCount(), 3, 2000);
    EXPECT_TRUE(intro->isPlaying());
}

void addAsha(const TempProgramFolder &folder)
{
    modMain::gDbPath = folder.usersDatabase();
    modMain::OpenUserDatabase();
    ASSERT_EQ(modMain::AddUser(QStringLiteral("Asha"), QStringLiteral("pw")), -1);
    modMain::resetForTests();
}

// The learner sees the splash, then the login, as soon as they can be
// drawn; the main window is built behind them, and its start-up sound
// started, before the login is answered.
TEST_F(StartUp, TheSplashAndTheLoginPaintBeforeTheMainWindowIsBuilt)
{
    MessageBoxScript noBoxes;
    addAsha(folder);
    FirstPaints paints;
    bool builtBeforeAnswer = false;
    bool introPlayingAtAnswer = false;
    WhenModal login([&](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        // Nothing here hurries the build: no key is pressed until it is done.
        QTRY_VERIFY_WITH_TIMEOUT(paints.windows.contains(QStringLiteral("frmLogin")), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(mainWindow() != nullptr, 5000);
        builtBeforeAnswer = mainWindow() != nullptr && mainWindow()->isLoaded();
        introPlayingAtAnswer =
            builtBeforeAnswer && FakeSoundBackend::of(*mainWindow()->IntroSound)->isPlaying();
        QTest::keyClicks(dialog->txtUserName, QStringLiteral("Asha"));
        QTest::keyClicks(dialog->txtPassword, QStringLiteral("pw"));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    modMain::Main();

    ASSERT_TRUE(login.done());
    ASSERT_GE(paints.windows.size(), 2);
    EXPECT_EQ(paints.windows.mid(0, 2),
              QStringList({QStringLiteral("frmSplash"), QStringLiteral("frmLogin")}));
    EXPECT_EQ(paints.mainWindowBuilt.mid(0, 2), QList<bool>({false, false}));
    EXPECT_TRUE(builtBeforeAnswer);
    EXPECT_TRUE(introPlayingAtAnswer);
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
}

// A learner quicker than the screen: keys that reach the login before it
// has painted wait until the main window is loaded.
TEST_F(StartUp, KeysBeforeTheLoginsFirstPaintWaitForTheMainWindow)
{
    MessageBoxScript noBoxes;
    addAsha(folder);
    bool loginPaintedBeforeKeys = true;
    bool mainLoadedAtFirstKey = false;
    FirstPaints paints([&](frmLogin &login) {
        loginPaintedBeforeKeys = paints.windows.contains(QStringLiteral("frmLogin"));
        QObject::connect(login.txtUserName, &QLineEdit::textChanged, &login, [&] {
            if (!mainLoadedAtFirstKey)
                mainLoadedAtFirstKey = mainWindow() != nullptr && mainWindow()->isLoaded();
        });
        QTest::keyClicks(login.txtUserName, QStringLiteral("Asha"));
    });
    WhenModal login([](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->txtPassword, QStringLiteral("pw"));
        QTest::keyClick(dialog->txtPassword, Qt::Key_Return);
    });
    modMain::Main();

    ASSERT_TRUE(login.done());
    EXPECT_FALSE(loginPaintedBeforeKeys);
    EXPECT_TRUE(mainLoadedAtFirstKey);
    EXPECT_EQ(modMain::gUserName, QStringLiteral("Asha"));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
}

TEST_F(StartUp, TheNameIsTakenAsTypedWithoutTrimming)
{
    MessageBoxScript noBoxes;
    modMain::gDbPath = folder.usersDatabase();
    modMain::OpenUserDatabase();
    ASSERT_EQ(modMain::AddUser(QStringLiteral(" Ravi "), QStringLiteral("pw")), -1);
    modMain::resetForTests();

    WhenModal login([](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->txtUserName, QStringLiteral(" ravi "));
        QTest::keyClicks(dialog->txtPassword, QStringLiteral("pw"));
        QTest::keyClick(dialog->txtPassword, Qt::Key_Return);
    });
    modMain::Main();
    ASSERT_TRUE(login.done());
    EXPECT_EQ(modMain::gUserName, QStringLiteral(" ravi "));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
}

TEST_F(StartUp, CancellingTheLoginEndsTheProgramAfterUnloadingLoginAndSplash)
{
    MessageBoxScript noBoxes;
    ProgramEndCatcher end;
    WhenModal login([](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });

    EXPECT_THROW(modMain::Main(), ProgramEnded);

    ASSERT_TRUE(login.done());
    EXPECT_EQ(end.count(), 1);
    EXPECT_FALSE(isLoaded("frmLogin"));
    EXPECT_FALSE(isLoaded("frmSplash"));
    // No user state was set, and the users database was closed.
    EXPECT_TRUE(modMain::gUserName.isEmpty());
    EXPECT_TRUE(modMain::gLevelDbPath.isEmpty());
    EXPECT_EQ(modMain::gConn, nullptr);
    EXPECT_EQ(modMain::gRsUsers, nullptr);
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_FALSE(mainWindow()->isVisible());
}

TEST_F(StartUp, OnAn800x600ScreenTheMainWindowComesUpCompact)
{
    screen.setSize(800, 600);
    MessageBoxScript noBoxes;
    addAsha(folder);

    WhenModal login([](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->txtUserName, QStringLiteral("Asha"));
        QTest::keyClicks(dialog->txtPassword, QStringLiteral("pw"));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    modMain::Main();
    ASSERT_TRUE(login.done());
    frmMain *main = mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->formHeight(), 8550);
    EXPECT_EQ(main->ssPnlInfo->Height(), 7920);
}

QString journalOf(const TempProgramFolder &f)
{
    return f.usersDatabase() + QStringLiteral("-journal");
}

// A copy of the program killed in the middle of a write that had already
// reached the file: only the journal it left makes the file whole again.
void leaveAHotJournal(const TempProgramFolder &f)
{
    {
        // More rows than the held update's one page of cache holds.
        schema::Writer learners(f.usersDatabase());
        learners.begin();
        for (int i = 1; i <= 300; ++i)
            learners.addUser(QStringLiteral("Kid%1").arg(i), QStringLiteral("pw"), 3);
        learners.commit();
    }
    const QByteArray committed = fileBytes(f.usersDatabase());
    UsersWorkerProcess holder(f.usersDatabase());
    ASSERT_TRUE(holder.waitForReports(1, 60000));
    holder.kill();
    ASSERT_EQ(holder.lines().join(u'\n'), QStringLiteral("held"));
    ASSERT_TRUE(QFileInfo(journalOf(f)).size() > 0);
    ASSERT_NE(fileBytes(f.usersDatabase()), committed);
}

// A users database that is not what it should be, and the report that each
// user check meets: no connection (91), a connection without the users
// table whose recordset stayed closed (3704), or a file that cannot be
// written to undo an interrupted write, while it is read-only.
struct BrokenUsersFile
{
    const char *name;
    std::function<void(const TempProgramFolder &)> spoil;
    int reportedError;
    // How the report's description begins, where it is the file's own.
    const char *description = "";
    // What is read-only while the program runs.
    std::function<std::unique_ptr<ReadOnlyFolder>(const TempProgramFolder &)> readOnly = {};
};

constexpr const char *CannotUndoTheWrite =
    "attempt to write a readonly database: Kelvo.kdt cannot be opened for writing";

const BrokenUsersFile BrokenUsersFiles[] = {
    {"Missing", [](const TempProgramFolder &f) { QFile::remove(f.usersDatabase()); }, 91},
    {"Empty", [](const TempProgramFolder &f) { overwriteFile(f.usersDatabase(), {}); }, 3704},
    {"GarbageBytes",
     [](const TempProgramFolder &f) { overwriteFile(f.usersDatabase(), QByteArray(8192, '\xa5')); },
     91},
    {"TextFile",
     [](const TempProgramFolder &f) { overwriteFile(f.usersDatabase(), "Meera,mango7,1\n"); }, 91},
    {"LevelDatabase",
     [](const TempProgramFolder &f) {
         QFile::remove(f.usersDatabase());
         QFile::copy(f.levelDatabase(1), f.usersDatabase());
     },
     3704},
    {"TruncatedDatabase",
     [](const TempProgramFolder &f) {
         QFile file(f.usersDatabase());
         ASSERT_TRUE(file.open(QIODevice::ReadOnly));
         const QByteArray header = file.read(100);
         file.close();
         overwriteFile(f.usersDatabase(), header);
     },
     91},
    {"HotJournalInAReadOnlyFolder", leaveAHotJournal, platform::err::DatabaseError,
     CannotUndoTheWrite,
     [](const TempProgramFolder &f) { return std::make_unique<ReadOnlyFolder>(f.path()); }},
    {"ReadOnlyHotJournal", leaveAHotJournal, platform::err::DatabaseError, CannotUndoTheWrite,
     [](const TempProgramFolder &f) {
         return std::make_unique<ReadOnlyFolder>(f.path(), journalOf(f));
     }},
};

class BrokenUsersDatabase : public StartUp, public ::testing::WithParamInterface<BrokenUsersFile>
{};

// The start-up goes on to the login; each check there shows its report and
// leaves the dialog open, and nothing is written to the folder.
TEST_P(BrokenUsersDatabase, EachUserCheckShowsItsReportAndNothingIsWritten)
{
    ASSERT_NO_FATAL_FAILURE(GetParam().spoil(folder));
    const QMap<QString, QByteArray> before = folderContents(folder.path());
    ProgramEndCatcher end;
    MessageBoxScript boxes;
    const QString report = QStringLiteral("Error No=%1\rError Description=%2")
                               .arg(QString::number(GetParam().reportedError),
                                    QString::fromLatin1(GetParam().description));
    boxes.expect(report, 48, services::MessageBoxAnswer::Ok)
        .expect(report, 48, services::MessageBoxAnswer::Ok);
    std::unique_ptr<WhenModal> newUserDialog;
    bool newUserStayedOpen = false;
    WhenModal login([&](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->txtUserName, QStringLiteral("Meera"));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        newUserDialog = std::make_unique<WhenModal>([&](QWidget *next) {
            frmNewUser *create = createMeera(next);
            ASSERT_NE(create, nullptr);
            newUserStayedOpen = create->isVisible();
            QTest::mouseClick(create->cmdCancel, Qt::LeftButton);
        });
        QTest::mouseClick(dialog->cmdNew, Qt::LeftButton);
        QTest::mouseClick(dialog->cmdCancel, Qt::LeftButton);
    });

    {
        const auto readOnly = GetParam().readOnly ? GetParam().readOnly(folder) : nullptr;
        EXPECT_THROW(modMain::Main(), ProgramEnded);
    }

    ASSERT_TRUE(login.done());
    ASSERT_TRUE(newUserDialog && newUserDialog->done());
    EXPECT_FALSE(watchdog.fired());
    EXPECT_TRUE(newUserStayedOpen);
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_EQ(end.count(), 1);
    EXPECT_EQ(folderContents(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(StartUp, BrokenUsersDatabase, ::testing::ValuesIn(BrokenUsersFiles),
                         [](const auto &row) { return std::string(row.param.name); });

// A program folder nobody may write: the learners already there log in, a
// new one is refused with the database's report, and the file stays as it was.
TEST_F(StartUp, InAReadOnlyFolderLearnersLogInButNoNewOneIsStored)
{
    passwords::setCheapHashingForTests(true);
    schema::Writer(folder.usersDatabase())
        .addUser(QStringLiteral("Asha"), passwords::hash(QStringLiteral("pw")), 4);
    const QMap<QString, QByteArray> before = folderContents(folder.path());
    MessageBoxScript boxes;
    boxes.expect(QStringLiteral("Error Description=attempt to write a readonly database"), 48,
                 services::MessageBoxAnswer::Ok);
    std::unique_ptr<WhenModal> newUserDialog;
    WhenModal login([&](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        newUserDialog = std::make_unique<WhenModal>([](QWidget *next) {
            frmNewUser *create = createMeera(next);
            ASSERT_NE(create, nullptr);
            EXPECT_TRUE(create->isVisible());
            QTest::mouseClick(create->cmdCancel, Qt::LeftButton);
        });
        QTest::mouseClick(dialog->cmdNew, Qt::LeftButton);
        QTest::keyClicks(dialog->txtUserName, QStringLiteral("Asha"));
        QTest::keyClicks(dialog->txtPassword, QStringLiteral("pw"));
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
    });
    {
        ReadOnlyFolder readOnly(folder.path());
        modMain::Main();
    }
    passwords::setCheapHashingForTests(false);

    ASSERT_TRUE(login.done());
    ASSERT_TRUE(newUserDialog && newUserDialog->done());
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(boxes.pending(), 0);
    EXPECT_EQ(modMain::gUserName, QStringLiteral("Asha"));
    EXPECT_TRUE(modMain::gLevelDbPath.endsWith(QStringLiteral("level4.kdt")));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_EQ(folderContents(folder.path()), before);
}

} // namespace
