#include "platform/core/RuntimeError.h"
#include "resources/StringTable.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/QStringPrinter.h"

#include <QWidget>

#include <gtest/gtest.h>

using modErrors::gErrMsg;
using modMain::FormatMessage;

namespace {

TEST(FormatMessageTest, FillsTheOnePlaceholderAndNothingElse)
{
    EXPECT_EQ(FormatMessage(resources::LoadResString(101), {QStringLiteral("Anya")}),
              QStringLiteral("Username Anya does not exist. Please create the user by pressing "
                             "the New button."));
    EXPECT_EQ(FormatMessage(QStringLiteral("You Have Sucessfully Completed Level %s."),
                            {QStringLiteral("12")}),
              QStringLiteral("You Have Sucessfully Completed Level 12."));
}

TEST(FormatMessageTest, TemplateWithoutPlaceholderComesBackUnchanged)
{
    const QString text = resources::LoadResString(102);
    EXPECT_EQ(FormatMessage(text, {QStringLiteral("x")}), text);
    // Only lower-case "%s" is a placeholder.
    EXPECT_EQ(FormatMessage(QStringLiteral("a %S b % s"), {QStringLiteral("x")}),
              QStringLiteral("a %S b % s"));
}

TEST(FormatMessageTest, ArgumentsFillPlaceholdersInOrderSurplusIgnored)
{
    EXPECT_EQ(FormatMessage(QStringLiteral("%s and %s"), {QStringLiteral("a")}),
              QStringLiteral("a and %s"));
    EXPECT_EQ(FormatMessage(QStringLiteral("%s and %s"),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}),
              QStringLiteral("a and b"));
    EXPECT_EQ(FormatMessage(QStringLiteral("[%s]"), {QString()}), QStringLiteral("[]"));
    EXPECT_EQ(FormatMessage(QStringLiteral("%s"), {}), QStringLiteral("%s"));
}

TEST(FormatMessageTest, EverySearchStartsAgainAtTheFirstCharacter)
{
    // The first argument brings in a placeholder that the second fills,
    // before the template's own second one.
    EXPECT_EQ(FormatMessage(QStringLiteral("<%s> <%s>"),
                            {QStringLiteral("(%s)"), QStringLiteral("b"), QStringLiteral("c")}),
              QStringLiteral("<(b)> <c>"));
    // A name with "%" in it is kept as typed.
    EXPECT_EQ(FormatMessage(QStringLiteral("User %s!"), {QStringLiteral("100%")}),
              QStringLiteral("User 100%!"));
}

TEST(ErrorReportTest, NumberCarriageReturnAndDescriptionOnly)
{
    const platform::RuntimeError error(platform::err::ObjectNotSet,
                                       platform::RuntimeError::describe(91));
    EXPECT_EQ(modErrors::ErrorReport(error),
              QStringLiteral("Error No=91\rError Description=Object variable or With block "
                             "variable not set"));
    EXPECT_EQ(modErrors::ErrorReport(platform::RuntimeError(-2147467259, QStringLiteral("x"))),
              QStringLiteral("Error No=-2147467259\rError Description=x"));
}

class PendingMessageTest : public ::testing::Test
{
protected:
    void SetUp() override { modMain::resetForTests(); }
    void TearDown() override { modMain::resetForTests(); }
};

TEST_F(PendingMessageTest, OnlyTheLaterOfTwoMessagesIsShownThenEmptied)
{
    QWidget owner;
    MessageBoxScript boxes;
    boxes.expectExactly(QStringLiteral("Password is incorrect. Please try again."), 48, 1);

    EXPECT_EQ(modMain::UserExists(QStringLiteral("x")), 101); // no users database: a report
    ASSERT_TRUE(gErrMsg.startsWith(QStringLiteral("Error No=91")));
    gErrMsg = resources::LoadResString(102);
    modErrors::ShowPendingMessage(&owner);

    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().owner, &owner);
    EXPECT_TRUE(gErrMsg.isEmpty());
}

TEST_F(PendingMessageTest, NothingPendingShowsNothing)
{
    MessageBoxScript boxes; // any box would fail the test
    modErrors::ShowPendingMessage(nullptr);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(PendingMessageTest, ShowMessageBoxPassesTextStyleAndOwner)
{
    QWidget owner;
    MessageBoxScript boxes;
    boxes.expectExactly(QStringLiteral("No Letters exists in the file"), 48, 1);
    modMain::ShowMessageBox(&owner, resources::LoadResString(110), 48);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().first().owner, &owner);
}

} // namespace
