#include "tests/support/MessageBoxScript.h"

#include "platform/core/RuntimeError.h"
#include "platform/services/MessageBox.h"

#include <QWidget>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using services::MessageBox;

TEST(MessageBoxScript, AnswersTheExpectedBoxesInOrder)
{
    QWidget login;
    MessageBoxScript script;
    script.expect(QStringLiteral("does not exist"), 48, 1)
        .expectExactly(QStringLiteral("Are you sure?"), 292, 6);
    EXPECT_EQ(script.pending(), 2);

    EXPECT_EQ(
        MessageBox(&login, QStringLiteral("Username Ann does not exist. Please create..."), 48), 1);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Are you sure?"), 292), 6);
    EXPECT_EQ(script.pending(), 0);
    ASSERT_EQ(script.shown().size(), 2);
    EXPECT_EQ(script.shown()[0].owner, &login);
    EXPECT_EQ(script.shown()[0].style, 48);
    EXPECT_EQ(script.shown()[1].text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(script.shown()[1].answer, 6);
}

TEST(MessageBoxScript, RunsWhatTheTestWantsWhileTheBoxStands)
{
    MessageBoxScript script;
    bool answered = false;
    bool sawBoxUnanswered = false;
    script.expect(QStringLiteral("Completed"), 0, 1, [&] { sawBoxUnanswered = !answered; });
    answered =
        MessageBox(nullptr, QStringLiteral("You Have Sucessfully Completed Level 3."), 0) == 1;
    EXPECT_TRUE(sawBoxUnanswered);
    EXPECT_TRUE(answered);
}

TEST(MessageBoxScript, ABoxItDidNotExpectFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            MessageBoxScript script;
            EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Surprise"), 292), 7); // its default
        },
        "Unexpected message box: \"Surprise\" with style 292");
}

TEST(MessageBoxScript, ABoxOtherThanTheNextExpectedFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            MessageBoxScript script;
            script.expect(QStringLiteral("Are you sure?"), 292, 6);
            MessageBox(nullptr, QStringLiteral("Are you sure?"), 48); // right text, wrong style
            MessageBox(nullptr, QStringLiteral("Are you sure?"), 292);
        },
        "expected next: \"Are you sure?\" with style 292");
}

TEST(MessageBoxScript, AnExpectedBoxThatNeverCameFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            MessageBoxScript script;
            script.expect(QStringLiteral("No Letters exists in the file"), 48, 1);
        },
        "Expected message box never came: \"No Letters exists in the file\"");
}

TEST(MessageBoxScript, AnAnswerThatIsNotAButtonOfTheBoxFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            MessageBoxScript script;
            script.expect(QStringLiteral("blank"), 48, 6);
            EXPECT_EQ(MessageBox(nullptr, QStringLiteral("blank"), 48), 1);
        },
        "Answer 6 is not a button of the box");
}

TEST(MessageBoxScript, AStyleTheRealBoxRefusesIsRefusedToo)
{
    MessageBoxScript script;
    EXPECT_THROW(MessageBox(nullptr, QStringLiteral("odd"), 9), platform::RuntimeError);
}

TEST(MessageBoxScript, WithoutAScriptABoxFailsTheTestInsteadOfWaiting)
{
    {
        MessageBoxScript script; // gone again: what it replaced is back
    }
    EXPECT_NONFATAL_FAILURE(MessageBox(nullptr, QStringLiteral("Hello"), 0),
                            "A message box came without a MessageBoxScript");
}

} // namespace
