#include "shell/dialogs/frmLogin.h"

#include "platform/controls/PasswordBox.h"
#include "platform/core/Twips.h"
#include "platform/db/Database.h"
#include "platform/db/Statement.h"
#include "platform/forms/Forms.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringTable.h"
#include "shell/PasswordHash.h"
#include "shell/dialogs/frmNewUser.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/shell/UsersDatabase.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using services::MessageBoxAnswer::Ok;
using services::MessageBoxStyle::Exclamation;

const QString Blank = resources::LoadResString(105);
const QString WrongPassword = QStringLiteral("Password is incorrect. Please try again.");

QString noSuchUser(const QString &name)
{
    return QStringLiteral("Username %1 does not exist. Please create the user by pressing the "
                          "New button.")
        .arg(name);
}

void showActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

class Login : public ::testing::Test
{
protected:
    Login()
    {
        users.addUser(QStringLiteral("Asha"), QStringLiteral("Secret"));
        login.Load();
    }

    // Types into the real dialog as the learner does.
    void type(QWidget *box, const QString &text) { QTest::keyClicks(box, text); }

    UsersDatabase users;
    frmLogin login;
};

TEST_F(Login, IsLaidOutAsDesigned)
{
    EXPECT_EQ(login.Caption(), QStringLiteral("Login"));
    EXPECT_EQ(login.ScaleWidth(), 5130);
    EXPECT_EQ(login.ScaleHeight(), 1590);
    EXPECT_EQ(login.BorderStyle(), forms::FixedDialog);
    EXPECT_FALSE(login.MinButton());
    EXPECT_FALSE(login.MaxButton());
    EXPECT_FALSE(login.windowIcon().isNull());
    EXPECT_FALSE(login.LoginSucceeded);

    EXPECT_EQ(login.txtUserName->geometry(), platform::twipsRect(1320, 120, 2325, 345));
    EXPECT_EQ(login.txtPassword->geometry(), platform::twipsRect(1320, 525, 2325, 345));
    EXPECT_EQ(login.cmdOK->geometry(), platform::twipsRect(3840, 120, 1140, 390));
    EXPECT_EQ(login.cmdCancel->geometry(), platform::twipsRect(3840, 600, 1140, 390));
    EXPECT_EQ(login.lblLabels[0]->geometry(), platform::twipsRect(105, 150, 1080, 270));
    EXPECT_EQ(login.lblLabels[1]->geometry(), platform::twipsRect(105, 540, 1080, 270));
    EXPECT_EQ(login.cmdNew->geometry(), platform::twipsRect(3840, 1080, 1140, 390));

    EXPECT_EQ(login.cmdOK->text(), QStringLiteral("&OK"));
    EXPECT_EQ(login.cmdCancel->text(), QStringLiteral("Canc&el"));
    EXPECT_EQ(login.cmdNew->text(), QStringLiteral("&New"));
    EXPECT_EQ(login.cmdNew->toolTip(),
              QStringLiteral("Press this button if you want to create a new user"));
    EXPECT_EQ(login.lblLabels[0]->text(), QStringLiteral("&User Name:"));
    EXPECT_EQ(login.lblLabels[0]->buddy(), login.txtUserName);
    EXPECT_EQ(login.lblLabels[1]->text(), QStringLiteral("&Password:"));
    EXPECT_EQ(login.lblLabels[1]->buddy(), login.txtPassword);
    EXPECT_TRUE(login.cmdOK->isDefault());
}

TEST_F(Login, LoadsCentredOnTheScreen)
{
    ScreenSizeDouble screen(1024, 768);
    frmLogin centred;
    centred.Load();
    EXPECT_EQ(centred.pos(), QPoint((1024 - 342) / 2, (768 - 106) / 2));
}

TEST_F(Login, BoxesLimitTheirTextAndThePasswordShowsAStarForEachCharacter)
{
    showActive(login);
    type(login.txtUserName, QString(35, QLatin1Char('n')));
    type(login.txtPassword, QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(login.txtUserName->text().size(), 30);
    EXPECT_EQ(login.txtPassword->text(), QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(login.txtPassword->displayText(), QString(12, QLatin1Char('*')));
    EXPECT_FALSE(login.txtPassword->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(Login, OpensWithTheFocusInTheNameBoxAndTabsInTheDesignedOrder)
{
    showActive(login);
    EXPECT_EQ(QApplication::focusWidget(), login.txtUserName);
    const QList<QWidget *> order{login.txtPassword, login.cmdOK, login.cmdCancel, login.cmdNew,
                                 login.txtUserName};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(Login, TheAccessKeysReachTheirBoxes)
{
    showActive(login);
    QTest::keyClick(&login, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), login.txtPassword);
    QTest::keyClick(&login, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), login.txtUserName);
}

TEST_F(Login, EnterLogsInAStoredUserAndHidesTheDialog)
{
    ModalWatchdog watchdog;
    WhenModal learner([this](QWidget *) {
        type(login.txtUserName, QStringLiteral("Asha"));
        type(login.txtPassword, QStringLiteral("Secret"));
        QTest::keyClick(login.txtPassword, Qt::Key_Return);
    });
    login.Show(true);
    EXPECT_TRUE(learner.done());
    EXPECT_TRUE(login.LoginSucceeded);
    EXPECT_FALSE(login.isVisible());
    EXPECT_TRUE(login.isLoaded()); // the caller unloads it
}

TEST_F(Login, ANameInAnotherCaseLogsInAndStaysAsTyped)
{
    showActive(login);
    type(login.txtUserName, QStringLiteral("aSHA"));
    type(login.txtPassword, QStringLiteral("Secret"));
    QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(login.LoginSucceeded);
    EXPECT_EQ(login.txtUserName->text(), QStringLiteral("aSHA"));
}

TEST_F(Login, EscapeCancels)
{
    ModalWatchdog watchdog;
    login.LoginSucceeded = true; // Cancel sets it, whatever it was
    WhenModal learner([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    login.Show(true);
    EXPECT_TRUE(learner.done());
    EXPECT_FALSE(login.LoginSucceeded);
    EXPECT_FALSE(login.isVisible());
}

TEST_F(Login, TheTitleBarCloseUnloadsItWithoutALogin)
{
    ModalWatchdog watchdog;
    WhenModal learner([this](QWidget *) {
        type(login.txtUserName, QStringLiteral("Asha"));
        type(login.txtPassword, QStringLiteral("Secret"));
        closeFromTitleBar(login);
    });
    login.Show(true);
    EXPECT_TRUE(learner.done());
    EXPECT_FALSE(login.LoginSucceeded);
    EXPECT_TRUE(login.isUnloaded());
}

TEST_F(Login, AWrongPasswordSelectsThePasswordSoThatTypingReplacesIt)
{
    showActive(login);
    type(login.txtUserName, QStringLiteral("Asha"));
    type(login.txtPassword, QStringLiteral("secret")); // case matters
    {
        MessageBoxScript boxes;
        boxes.expectExactly(WrongPassword, Exclamation, Ok);
        QTest::keyClick(login.txtPassword, Qt::Key_Return);
        ASSERT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(boxes.shown().first().owner, &login);
    }
    EXPECT_FALSE(login.LoginSucceeded);
    EXPECT_TRUE(login.isVisible());
    EXPECT_TRUE(modErrors::gErrMsg.isEmpty());
    EXPECT_EQ(login.txtUserName->text(), QStringLiteral("Asha"));
    EXPECT_EQ(QApplication::focusWidget(), login.txtPassword);
    EXPECT_EQ(login.txtPassword->selectedText(), QStringLiteral("secret"));
    EXPECT_EQ(login.txtPassword->selectionStart(), 0);

    type(login.txtPassword, QStringLiteral("Secret"));
    EXPECT_EQ(login.txtPassword->text(), QStringLiteral("Secret"));
    QTest::keyClick(login.txtPassword, Qt::Key_Return);
    EXPECT_TRUE(login.LoginSucceeded);
}

TEST_F(Login, AnUnknownNameIsReportedExactlyAsTyped)
{
    showActive(login);
    type(login.txtUserName, QStringLiteral(" Ravi "));
    MessageBoxScript boxes;
    boxes.expectExactly(noSuchUser(QStringLiteral(" Ravi ")), Exclamation, Ok);
    QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), login.txtPassword);
    EXPECT_EQ(login.txtUserName->text(), QStringLiteral(" Ravi "));
    EXPECT_FALSE(login.LoginSucceeded);
}

TEST_F(Login, AnEmptyNameIsRefusedButANameOfBlanksIsChecked)
{
    showActive(login);
    type(login.txtPassword, QStringLiteral("pw"));
    modErrors::gErrMsg = QStringLiteral("older message");
    {
        MessageBoxScript boxes;
        boxes.expectExactly(Blank, Exclamation, Ok);
        QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    }
    // Nothing else changed: no check ran, and the boxes are as they were.
    EXPECT_EQ(modErrors::gErrMsg, QStringLiteral("older message"));
    EXPECT_EQ(login.txtUserName->text(), QString());
    EXPECT_EQ(login.txtPassword->text(), QStringLiteral("pw"));
    EXPECT_FALSE(login.LoginSucceeded);

    type(login.txtUserName, QStringLiteral("   "));
    {
        MessageBoxScript boxes;
        boxes.expectExactly(noSuchUser(QStringLiteral("   ")), Exclamation, Ok);
        QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    }
    EXPECT_FALSE(login.LoginSucceeded);
}

TEST_F(Login, AUsersDatabaseThatIsNotOpenShowsTheErrorReportAndStaysOpen)
{
    modMain::gRsUsers.reset();
    modMain::gConn.reset();
    showActive(login);
    type(login.txtUserName, QStringLiteral("Asha"));
    type(login.txtPassword, QStringLiteral("Secret"));
    MessageBoxScript boxes;
    boxes.expect(QStringLiteral("Error No="), Exclamation, Ok);
    QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(login.LoginSucceeded);
    EXPECT_TRUE(login.isVisible());
}

// The new-user dialog, reached through the New button.
class LoginNewUser : public Login
{
protected:
    // Presses New and lets the learner act on the new-user dialog.
    void pressNew(const std::function<void(frmNewUser &)> &act)
    {
        ModalWatchdog watchdog;
        WhenModal learner([&act](QWidget *modal) {
            auto *newUser = qobject_cast<frmNewUser *>(modal);
            ASSERT_NE(newUser, nullptr);
            act(*newUser);
        });
        QTest::mouseClick(login.cmdNew, Qt::LeftButton);
        EXPECT_TRUE(learner.done());
        EXPECT_FALSE(watchdog.fired());
    }
};

TEST_F(LoginNewUser, ACreatedNameIsCopiedBackAndThePasswordBoxIsLeftAlone)
{
    showActive(login);
    type(login.txtUserName, QStringLiteral("Asha"));
    type(login.txtPassword, QStringLiteral("old"));
    pressNew([this](frmNewUser &newUser) {
        EXPECT_TRUE(newUser.txtUserName->text().isEmpty());
        type(newUser.txtUserName, QStringLiteral("Ravi Kumar"));
        type(newUser.txtPassword, QStringLiteral("Kite7"));
        QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(login.txtUserName->text(), QStringLiteral("Ravi Kumar"));
    EXPECT_EQ(login.txtPassword->text(), QStringLiteral("old"));
    EXPECT_TRUE(login.isVisible());
    EXPECT_EQ(forms::Forms::find(QStringLiteral("frmNewUser")), nullptr); // unloaded

    // The learner now types the new password and logs in.
    login.txtPassword->selectAll();
    type(login.txtPassword, QStringLiteral("Kite7"));
    QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(login.LoginSucceeded);
}

TEST_F(LoginNewUser, ASecondNewStartsWithEmptyBoxes)
{
    showActive(login);
    pressNew([](frmNewUser &newUser) {
        QTest::keyClicks(newUser.txtUserName, QStringLiteral("half typed"));
        QTest::keyClicks(newUser.txtPassword, QStringLiteral("pw"));
        QTest::mouseClick(newUser.cmdCancel, Qt::LeftButton);
    });
    pressNew([](frmNewUser &newUser) {
        EXPECT_TRUE(newUser.txtUserName->text().isEmpty());
        EXPECT_TRUE(newUser.txtPassword->text().isEmpty());
        EXPECT_TRUE(newUser.Tag().isEmpty());
        QTest::mouseClick(newUser.cmdCancel, Qt::LeftButton);
    });
}

TEST_F(LoginNewUser, CancelOrTheCloseBoxLeavesTheLoginUnchanged)
{
    showActive(login);
    type(login.txtUserName, QStringLiteral("Asha"));
    type(login.txtPassword, QStringLiteral("pw"));
    pressNew([](frmNewUser &newUser) {
        QTest::keyClicks(newUser.txtUserName, QStringLiteral("Mira"));
        QTest::mouseClick(newUser.cmdCancel, Qt::LeftButton);
    });
    pressNew([](frmNewUser &newUser) {
        QTest::keyClicks(newUser.txtUserName, QStringLiteral("Mira"));
        closeFromTitleBar(newUser);
    });
    EXPECT_EQ(login.txtUserName->text(), QStringLiteral("Asha"));
    EXPECT_EQ(login.txtPassword->text(), QStringLiteral("pw"));
    EXPECT_EQ(modMain::UserExists(QStringLiteral("Mira")), 101);
    EXPECT_TRUE(login.isVisible());
    EXPECT_FALSE(login.LoginSucceeded);
}

TEST_F(LoginNewUser, ANameTakenInAnotherCaseIsRefusedAndNothingIsCopied)
{
    showActive(login);
    type(login.txtUserName, QStringLiteral("Mira"));
    pressNew([](frmNewUser &newUser) {
        QTest::keyClicks(newUser.txtUserName, QStringLiteral("ASHA"));
        QTest::keyClicks(newUser.txtPassword, QStringLiteral("other"));
        MessageBoxScript boxes;
        boxes.expectExactly(QStringLiteral("Username ASHA already exist. Please choose a "
                                           "different username."),
                            Exclamation, Ok);
        QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(newUser.isVisible());
        QTest::mouseClick(newUser.cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(login.txtUserName->text(), QStringLiteral("Mira"));
}

// One key press that gives a text of more than one UTF-16 unit, as an emoji
// picker or an accent key does.
void typeCharacter(QWidget *box, const QString &character)
{
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
}

TEST_F(LoginNewUser, ANameAtItsLimitKeepsWholeCharactersAndLogsInAsTyped)
{
    const QString thumbs = QString::fromUtf8("\xF0\x9F\x91\x8D");
    const QString accented = QStringLiteral("e\u0301");
    const QString name = QString(28, QLatin1Char('m')) + thumbs;
    showActive(login);
    pressNew([&](frmNewUser &newUser) {
        type(newUser.txtUserName, QString(29, QLatin1Char('m')));
        // Half of either would fit: neither is cut in two.
        typeCharacter(newUser.txtUserName, thumbs);
        typeCharacter(newUser.txtUserName, accented);
        EXPECT_EQ(newUser.txtUserName->text(), QString(29, QLatin1Char('m')));
        QTest::keyClick(newUser.txtUserName, Qt::Key_Backspace);
        typeCharacter(newUser.txtUserName, thumbs);
        EXPECT_EQ(newUser.txtUserName->text(), name);
        type(newUser.txtUserName, QStringLiteral("m"));
        EXPECT_EQ(newUser.txtUserName->text(), name);
        type(newUser.txtPassword, QStringLiteral("pw"));
        QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(login.txtUserName->text(), name);

    // The learner types the name again, the same way, and logs in.
    login.txtUserName->clear();
    type(login.txtUserName, QString(28, QLatin1Char('m')));
    typeCharacter(login.txtUserName, thumbs);
    typeCharacter(login.txtUserName, thumbs);
    EXPECT_EQ(login.txtUserName->text(), name);
    type(login.txtPassword, QStringLiteral("pw"));
    QTest::mouseClick(login.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(login.LoginSucceeded);
}

// Texts that mean something to a format, to SQL, to a path or to a terminal,
// pasted as a learner may paste them: each is only a name or a password.
const QStringList HostileTexts = {
    QStringLiteral("O'Brien"),
    QStringLiteral("say \"hi\""),
    QStringLiteral("100% sure"),
    QStringLiteral("%s"),
    QStringLiteral("%1 and %2"),
    QStringLiteral("%s%s%n"),
    QStringLiteral("C:\\%s\\"),
    QStringLiteral("x');DROP TABLE UserDetails;--"),
    QStringLiteral("ગુજરાતી"),
    QString::fromUtf8("\xF0\x9F\x91\x8D\xF0\x9F\x98\x80"),
    QStringLiteral("tab\there"),
    QStringLiteral("two\nlines\r"),
    QStringLiteral("nul") + QChar(0) + QStringLiteral("in"),
    QString(30, QLatin1Char('%')),
};

// The same texts cut to the password's 12 UTF-16 units, never in a character.
QString asPassword(const QString &text)
{
    QString password = text.left(12);
    if (!password.isEmpty() && password.back().isHighSurrogate())
        password.chop(1);
    return password;
}

// Another password of at most 12 units: one more, or one other, last unit.
QString wrongPasswordOf(const QString &password)
{
    if (password.size() < 12)
        return password + QStringLiteral("'");
    return password.left(11) + (password.back() == u'#' ? u'$' : u'#');
}

class HostileUsers : public LoginNewUser
{
protected:
    HostileUsers() { passwords::setCheapHashingForTests(true); }
    ~HostileUsers() override { passwords::setCheapHashingForTests(false); }

    // Pastes into a box, as a learner pastes: the box's limit may refuse it.
    static void paste(QLineEdit *box, const QString &text) { box->insert(text); }

    void create(const QString &name, const QString &password)
    {
        pressNew([&](frmNewUser &newUser) {
            paste(newUser.txtUserName, name);
            paste(newUser.txtPassword, password);
            QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
            EXPECT_EQ(newUser.Tag(), QStringLiteral("OK")) << modErrors::gErrMsg.toStdString();
        });
        EXPECT_EQ(login.txtUserName->text(), name);
    }

    // Logs in from a fresh dialog state; script holds the boxes expected.
    bool logIn(const QString &name, const QString &password)
    {
        login.LoginSucceeded = false;
        showActive(login);
        login.txtUserName->clear();
        paste(login.txtUserName, name);
        login.txtPassword->clear();
        paste(login.txtPassword, password);
        QTest::mouseClick(login.cmdOK, Qt::LeftButton);
        return login.LoginSucceeded;
    }

    // The user names the file holds, in the order they were added, after
    // the engine has found the file sound.
    QStringList storedNames() const
    {
        const auto database = db::Database::openExisting(users.folder().usersDatabase());
        db::Statement check(*database, QStringLiteral("PRAGMA integrity_check"));
        EXPECT_TRUE(check.step());
        EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
        db::Statement rows(*database,
                           QStringLiteral("SELECT UserName FROM UserDetails ORDER BY rowid"));
        QStringList names;
        while (rows.step())
            names << rows.value(0).toString();
        return names;
    }
};

TEST_F(HostileUsers, EachTextIsANameAndPasswordThatLogsInAgainExactlyAsPasted)
{
    showActive(login);
    QStringList expectedNames{QStringLiteral("Asha")};
    for (const QString &name : HostileTexts) {
        create(name, asPassword(name));
        expectedNames << name;
    }
    for (const QString &name : HostileTexts) {
        SCOPED_TRACE(name.toStdString());
        const QString password = asPassword(name);
        EXPECT_TRUE(logIn(name, password));
        {
            MessageBoxScript boxes;
            boxes.expectExactly(WrongPassword, Exclamation, Ok);
            EXPECT_FALSE(logIn(name, wrongPasswordOf(password)));
        }
        {
            // Built without any formatting, so nothing in the name expands here either.
            const QString missing = QStringLiteral("no ") + name.left(27);
            MessageBoxScript boxes;
            boxes.expectExactly(QStringLiteral("Username ") + missing +
                                    QStringLiteral(" does not exist. Please create the user "
                                                   "by pressing the New button."),
                                Exclamation, Ok);
            EXPECT_FALSE(logIn(missing, password));
        }
    }
    EXPECT_EQ(storedNames(), expectedNames);
}

TEST_F(HostileUsers, BoxesTakeTextsUpToTheirLimitsAndRefuseOnePastWholeEvenInACharacter)
{
    const QString thumbs = QString::fromUtf8("\xF0\x9F\x91\x8D");
    const QString name = QString(28, QLatin1Char('%')) + QStringLiteral("%s");
    const QString password = QStringLiteral("'\"\\%s%1ગ") + thumbs + QStringLiteral("xy");
    ASSERT_EQ(name.size(), 30);
    ASSERT_EQ(password.size(), 12);
    showActive(login);
    pressNew([&](frmNewUser &newUser) {
        paste(newUser.txtUserName, name + QStringLiteral("'"));
        paste(newUser.txtPassword, password + QStringLiteral("'"));
        EXPECT_TRUE(newUser.txtUserName->text().isEmpty());
        EXPECT_TRUE(newUser.txtPassword->text().isEmpty());
        // A character of two units where one is left is refused, not cut.
        paste(newUser.txtPassword, password.left(11) + thumbs);
        EXPECT_TRUE(newUser.txtPassword->text().isEmpty());

        paste(newUser.txtUserName, name);
        paste(newUser.txtPassword, password);
        type(newUser.txtUserName, QStringLiteral("\""));
        type(newUser.txtPassword, QStringLiteral("\""));
        typeCharacter(newUser.txtPassword, thumbs);
        EXPECT_EQ(newUser.txtUserName->text(), name);
        EXPECT_EQ(newUser.txtPassword->text(), password);
        QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(login.txtUserName->text(), name);
    EXPECT_TRUE(logIn(name, password));
    EXPECT_EQ(storedNames(), (QStringList{QStringLiteral("Asha"), name}));
}

} // namespace
