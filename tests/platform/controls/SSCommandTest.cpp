#include "platform/controls/SSCommand.h"

#include "platform/core/BgrColor.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using controls::SSCommand;

class SSCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(520, 200);
        // cmdNext of the lesson: Times New Roman 12 pt bold, &HC000C0.
        button.Move(5880 - 5000, 2640, 1455, 375);
        button.setCaption(QStringLiteral("&Next"));
        button.setFontName(QStringLiteral("Times New Roman"));
        button.setFontSize(12);
        button.setFontBold(true);
        button.setForeColor(0xC000C0);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    SSCommand button{&window};
    QSignalSpy clicks{&button, &SSCommand::Click};
};

TEST_F(SSCommandTest, AClickRaisesClickOnceAndTheCaptionReadsBack)
{
    EXPECT_EQ(button.geometry(), QRect(59, 176, 97, 25));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button.Caption(), QStringLiteral("&Next"));
    button.setCaption(QStringLiteral("&Test"));
    EXPECT_EQ(button.Caption(), QStringLiteral("&Test"));
}

TEST_F(SSCommandTest, ADisabledButtonTakesNoClick)
{
    button.setEnabled(false);
    EXPECT_FALSE(button.Enabled());
    QTest::mouseClick(&button, Qt::LeftButton);
    button.click();
    EXPECT_EQ(clicks.count(), 0);

    button.setEnabled(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(SSCommandTest, EnabledIsTheButtonsOwnSetting)
{
    window.setEnabled(false);
    EXPECT_TRUE(button.Enabled());
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    window.setEnabled(true);
}

TEST_F(SSCommandTest, TheAccessKeyPressesTheButton)
{
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The key shows the button pressed for a moment, then clicks.
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(clicks.wait(1000));
    button.setEnabled(false);
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_FALSE(clicks.wait(300));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(SSCommandTest, TheCaptionIsDrawnInTheTextColourAndThePressedButtonSinks)
{
    const QImage up = button.grab().toImage();
    bool coloured = false;
    for (int y = 0; y < up.height() && !coloured; ++y)
        for (int x = 0; x < up.width() && !coloured; ++x)
            coloured = up.pixelColor(x, y) == platform::fromBgr(0xC000C0);
    EXPECT_TRUE(coloured);
    EXPECT_EQ(up.pixelColor(0, 0), QColor(255, 255, 255));

    button.setDown(true);
    const QImage down = button.grab().toImage();
    EXPECT_EQ(down.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(down.pixelColor(down.width() - 1, down.height() - 1), QColor(255, 255, 255));
    button.setDown(false);
}

} // namespace
