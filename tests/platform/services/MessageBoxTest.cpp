#include "platform/core/RuntimeError.h"
#include "platform/services/MessageBoxStyle.h"
#include "platform/services/StandardMessageBox.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/WhenModal.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using namespace services;

TEST(MessageBoxStyle, TheCoursesStylesComposeButtonsIconAndDefault)
{
    using namespace MessageBoxAnswer;
    EXPECT_EQ(answersFor(0), QList<int>{Ok});
    EXPECT_EQ(iconOf(0), 0);
    EXPECT_EQ(answersFor(48), QList<int>{Ok});
    EXPECT_EQ(iconOf(48), MessageBoxStyle::Exclamation);
    EXPECT_EQ(iconOf(64), MessageBoxStyle::Information);

    EXPECT_EQ(292,
              MessageBoxStyle::YesNo + MessageBoxStyle::Question + MessageBoxStyle::DefaultButton2);
    EXPECT_EQ(answersFor(292), (QList<int>{Yes, No}));
    EXPECT_EQ(iconOf(292), MessageBoxStyle::Question);
    EXPECT_EQ(defaultAnswer(292), No);
    EXPECT_EQ(defaultAnswer(36), Yes);
    EXPECT_EQ(escapeAnswer(292), No);
    EXPECT_EQ(escapeAnswer(48), Ok);

    EXPECT_EQ(answersFor(3), (QList<int>{Yes, No, Cancel}));
    EXPECT_EQ(defaultAnswer(3 + 512), Cancel);
    EXPECT_EQ(escapeAnswer(3), Cancel);
    EXPECT_EQ(defaultAnswer(0 + 512), Ok); // a default button the box lacks
    EXPECT_EQ(escapeAnswer(2), Abort);
}

TEST(MessageBoxStyle, AStyleOutsideTheKnownOnesRaisesError5)
{
    for (int style : {6, 7, 80, 1024, -1}) {
        try {
            answersFor(style);
            ADD_FAILURE() << "style " << style << " was accepted";
        } catch (const platform::RuntimeError &error) {
            EXPECT_EQ(error.number(), 5) << style;
        }
    }
}

// What the real box showed, read from inside its own event loop.
struct Shown
{
    QWidget *parent = nullptr;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

int answerRealBox(QWidget *owner, const QString &text, int style,
                  const std::function<void(QMessageBox *)> &answer, Shown &shown)
{
    ModalWatchdog watchdog;
    WhenModal when([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box == nullptr) {
            ADD_FAILURE() << "the modal window is not a message box";
            modal->hide();
            return;
        }
        shown.parent = box->parentWidget();
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            shown.buttons << box->standardButton(button);
        shown.defaultButton = box->standardButton(box->defaultButton());
        answer(box);
    });
    const int result = showStandardMessageBox(owner, text, style);
    EXPECT_TRUE(when.done());
    EXPECT_FALSE(watchdog.fired());
    return result;
}

TEST(StandardMessageBox, AQuestionIsTitledOstranaWithNoAsDefaultAndEscapeAnswersNo)
{
    QWidget owner;
    Shown shown;
    const int result = answerRealBox(
        &owner, QStringLiteral("Are you sure?"), 292,
        [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }, shown);
    EXPECT_EQ(result, MessageBoxAnswer::No);
    EXPECT_EQ(shown.parent, &owner);
    EXPECT_EQ(shown.title, QStringLiteral("Ostrana"));
    EXPECT_EQ(shown.text, QStringLiteral("Are you sure?"));
    EXPECT_EQ(shown.icon, QMessageBox::Question);
    EXPECT_EQ(shown.buttons.size(), 2);
    EXPECT_TRUE(shown.buttons.contains(QMessageBox::Yes));
    EXPECT_TRUE(shown.buttons.contains(QMessageBox::No));
    EXPECT_EQ(shown.defaultButton, QMessageBox::No);
}

TEST(StandardMessageBox, EnterTakesTheDefaultButtonAndAClickTakesItsButton)
{
    Shown shown;
    EXPECT_EQ(answerRealBox(
                  nullptr, QStringLiteral("Leave?"), 292,
                  [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }, shown),
              MessageBoxAnswer::No);
    EXPECT_EQ(answerRealBox(
                  nullptr, QStringLiteral("Leave?"), 292,
                  [](QMessageBox *box) {
                      QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
                  },
                  shown),
              MessageBoxAnswer::Yes);
    EXPECT_EQ(answerRealBox(
                  nullptr, QStringLiteral("Leave?"), 36, // Yes/No, Yes the default
                  [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }, shown),
              MessageBoxAnswer::Yes);
}

TEST(StandardMessageBox, AWarningHasOneOkButtonThatEscapeAndTheCloseBoxPress)
{
    Shown shown;
    EXPECT_EQ(answerRealBox(
                  nullptr, QStringLiteral("Username cannot be blank. Please type a username."), 48,
                  [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }, shown),
              MessageBoxAnswer::Ok);
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});

    EXPECT_EQ(answerRealBox(
                  nullptr, QStringLiteral("You got 9 out of 10"), 64,
                  [](QMessageBox *box) { box->close(); }, shown),
              MessageBoxAnswer::Ok);
    EXPECT_EQ(shown.icon, QMessageBox::Information);

    EXPECT_EQ(answerRealBox(
                  nullptr, QStringLiteral("System Information Is Unavailable At This Time"), 0,
                  [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }, shown),
              MessageBoxAnswer::Ok);
    EXPECT_EQ(shown.icon, QMessageBox::NoIcon);
}

TEST(StandardMessageBox, ShowsTheTextPlainWithACarriageReturnAsALineBreak)
{
    Shown shown;
    answerRealBox(
        nullptr, QStringLiteral("Error No=91\rError Description=<b>R&D</b>"), 48,
        [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }, shown);
    EXPECT_EQ(shown.text, QStringLiteral("Error No=91\nError Description=<b>R&D</b>"));
}

} // namespace
