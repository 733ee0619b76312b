#include "shell/dialogs/frmNewUser.h"

#include "platform/controls/PasswordBox.h"
#include "platform/core/Twips.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringTable.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/shell/UsersDatabase.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using services::MessageBoxAnswer::Ok;
using services::MessageBoxStyle::Exclamation;

QString nameTaken(const QString &name)
{
    return QStringLiteral("Username %1 already exist. Please choose a different username.")
        .arg(name);
}

class NewUser : public ::testing::Test
{
protected:
    NewUser()
    {
        users.addUser(QStringLiteral("Asha"), QStringLiteral("Secret"));
        newUser.Load();
    }

    void showActive()
    {
        newUser.show();
        QApplication::setActiveWindow(&newUser);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&newUser));
    }

    UsersDatabase users;
    frmNewUser newUser;
};

TEST_F(NewUser, IsLaidOutAsDesigned)
{
    EXPECT_EQ(newUser.Caption(), QStringLiteral("Create a New User"));
    EXPECT_EQ(newUser.ScaleWidth(), 5190);
    EXPECT_EQ(newUser.ScaleHeight(), 1095);
    EXPECT_EQ(newUser.BorderStyle(), forms::Sizable);
    EXPECT_FALSE(newUser.MaxButton());
    EXPECT_FALSE(newUser.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(newUser.windowIcon().isNull());

    EXPECT_EQ(newUser.cmdOK->geometry(), platform::twipsRect(3960, 120, 1140, 390));
    EXPECT_EQ(newUser.cmdCancel->geometry(), platform::twipsRect(3960, 600, 1140, 390));
    EXPECT_EQ(newUser.txtUserName->geometry(), platform::twipsRect(1335, 120, 2325, 345));
    EXPECT_EQ(newUser.txtPassword->geometry(), platform::twipsRect(1335, 525, 2325, 345));
    EXPECT_EQ(newUser.lblLabels[0]->geometry(), platform::twipsRect(120, 150, 1080, 270));
    EXPECT_EQ(newUser.lblLabels[1]->geometry(), platform::twipsRect(120, 540, 1080, 270));

    EXPECT_EQ(newUser.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(newUser.cmdCancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(newUser.lblLabels[0]->buddy(), newUser.txtUserName);
    EXPECT_EQ(newUser.lblLabels[1]->buddy(), newUser.txtPassword);
    QTest::keyClicks(newUser.txtUserName, QString(31, QLatin1Char('n')));
    EXPECT_EQ(newUser.txtUserName->text(), QString(30, QLatin1Char('n')));
    newUser.txtUserName->clear();
    QTest::keyClicks(newUser.txtPassword, QString(13, QLatin1Char('p')));
    EXPECT_EQ(newUser.txtPassword->text(), QString(12, QLatin1Char('p')));
    newUser.txtPassword->clear();
    EXPECT_EQ(newUser.txtPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(newUser.Tag().isEmpty());
}

TEST_F(NewUser, OpensWithTheFocusOnOkAndTabsInTheDesignedOrder)
{
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), newUser.cmdOK);
    const QList<QWidget *> order{newUser.cmdCancel, newUser.txtUserName, newUser.txtPassword,
                                 newUser.cmdOK};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(NewUser, EnterCreatesTheUserAndHidesTheDialogWithTagOk)
{
    ModalWatchdog watchdog;
    WhenModal learner([this](QWidget *) {
        QTest::keyClicks(newUser.txtUserName, QStringLiteral("Mira"));
        QTest::keyClicks(newUser.txtPassword, QStringLiteral("kite"));
        QTest::keyClick(newUser.txtPassword, Qt::Key_Return);
    });
    newUser.Show(true);
    EXPECT_TRUE(learner.done());
    EXPECT_EQ(newUser.Tag(), QStringLiteral("OK"));
    EXPECT_FALSE(newUser.isVisible());
    EXPECT_EQ(modMain::ValidateUser(QStringLiteral("Mira"), QStringLiteral("kite")), -1);
    EXPECT_EQ(modMain::GetUserLevel(QStringLiteral("Mira"), true), 1);
}

TEST_F(NewUser, EnterOnTheFocusedOkButtonPressesIt)
{
    ModalWatchdog watchdog;
    WhenModal learner([this](QWidget *) {
        newUser.txtUserName->setText(QStringLiteral("Mira"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    newUser.Show(true);
    EXPECT_EQ(newUser.Tag(), QStringLiteral("OK"));
}

TEST_F(NewUser, EscapePressesCancel)
{
    ModalWatchdog watchdog;
    WhenModal learner([this](QWidget *) {
        QTest::keyClicks(newUser.txtUserName, QStringLiteral("Mira"));
        QTest::keyClick(newUser.txtUserName, Qt::Key_Escape);
    });
    newUser.Show(true);
    EXPECT_TRUE(learner.done());
    EXPECT_EQ(newUser.Tag(), QStringLiteral("CANCEL"));
    EXPECT_FALSE(newUser.isVisible());
    EXPECT_EQ(modMain::UserExists(QStringLiteral("Mira")), 101);
}

TEST_F(NewUser, TheCloseBoxLeavesNoResult)
{
    ModalWatchdog watchdog;
    WhenModal learner([this](QWidget *) { closeFromTitleBar(newUser); });
    newUser.Show(true);
    EXPECT_TRUE(newUser.isUnloaded());
    EXPECT_NE(newUser.Tag(), QStringLiteral("OK"));
}

TEST_F(NewUser, ANameTakenInAnyCaseEmptiesBothBoxesAndPutsTheFocusInTheName)
{
    showActive();
    QTest::keyClicks(newUser.txtUserName, QStringLiteral("aSHA"));
    QTest::keyClicks(newUser.txtPassword, QStringLiteral("other"));
    {
        MessageBoxScript boxes;
        boxes.expectExactly(nameTaken(QStringLiteral("aSHA")), Exclamation, Ok);
        QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
        ASSERT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(boxes.shown().first().owner, &newUser);
    }
    EXPECT_TRUE(newUser.txtUserName->text().isEmpty());
    EXPECT_TRUE(newUser.txtPassword->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), newUser.txtUserName);
    EXPECT_TRUE(newUser.Tag().isEmpty());
    EXPECT_TRUE(newUser.isVisible());
    EXPECT_TRUE(modErrors::gErrMsg.isEmpty());
    // The stored user keeps its password.
    EXPECT_EQ(modMain::ValidateUser(QStringLiteral("Asha"), QStringLiteral("Secret")), -1);
}

TEST_F(NewUser, AnEmptyNameIsRefusedAndTheBoxesStayAsTheyWere)
{
    showActive();
    QTest::keyClicks(newUser.txtPassword, QStringLiteral("pw"));
    {
        MessageBoxScript boxes;
        boxes.expectExactly(resources::LoadResString(105), Exclamation, Ok);
        QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
    }
    EXPECT_EQ(newUser.txtPassword->text(), QStringLiteral("pw"));
    EXPECT_TRUE(newUser.Tag().isEmpty());
    EXPECT_TRUE(newUser.isVisible());
}

TEST_F(NewUser, ANameOfBlanksIsANameAndCanLogIn)
{
    showActive();
    QTest::keyClicks(newUser.txtUserName, QStringLiteral("  "));
    QTest::keyClicks(newUser.txtPassword, QStringLiteral("pw"));
    QTest::mouseClick(newUser.cmdOK, Qt::LeftButton);
    EXPECT_EQ(newUser.Tag(), QStringLiteral("OK"));
    EXPECT_EQ(modMain::ValidateUser(QStringLiteral("  "), QStringLiteral("pw")), -1);
    EXPECT_EQ(modMain::UserExists(QStringLiteral(" ")), 101); // not trimmed
}

} // namespace
