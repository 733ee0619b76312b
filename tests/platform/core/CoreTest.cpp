#include "platform/core/BgrColor.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/TwipsGeometry.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(RuntimeError, ReportIsNumberCarriageReturnDescription)
{
    const platform::RuntimeError error(91, platform::RuntimeError::describe(91));
    EXPECT_EQ(error.report(), QStringLiteral("Error No=91\rError Description=Object variable or "
                                             "With block variable not set"));
    const platform::RuntimeError negative(-2147467259, QStringLiteral("refused"));
    EXPECT_EQ(negative.report(), QStringLiteral("Error No=-2147467259\rError Description=refused"));
}

TEST(RuntimeError, RaiseCarriesTheRunTimesDescription)
{
    try {
        platform::raise(platform::err::InvalidUseOfNull);
        FAIL() << "raise returned";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.number(), 94);
        EXPECT_EQ(error.description(), QStringLiteral("Invalid use of Null"));
    }
}

TEST(Twips, FifteenToAPixelRoundingToTheNearest)
{
    EXPECT_EQ(platform::toPixels(7530), 502);
    EXPECT_EQ(platform::toPixels(15), 1);
    EXPECT_EQ(platform::toPixels(7), 0);
    EXPECT_EQ(platform::toPixels(8), 1);
    EXPECT_EQ(platform::toPixels(-15), -1);
    EXPECT_EQ(platform::toTwips(502), 7530);
}

TEST(Twips, AControlLandsWhereItWasDesigned)
{
    QWidget window;
    platform::TwipsGeometry<QLabel> label(&window);
    label.Move(240, 1920, 1095, 975);
    EXPECT_EQ(label.geometry(), QRect(16, 128, 73, 65));
    EXPECT_EQ(label.Left(), 240);
    EXPECT_EQ(label.Height(), 975);
    label.setTop(3120);
    EXPECT_EQ(label.y(), 208);
    EXPECT_EQ(label.x(), 16);
    EXPECT_TRUE(label.Visible()); // not shown yet, but not hidden either
    label.hide();
    EXPECT_FALSE(label.Visible());
}

TEST(BgrColor, RedLivesInTheLowByte)
{
    EXPECT_EQ(platform::fromBgr(0xC0E0FF), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_EQ(platform::fromBgr(0x800000), QColor(0, 0, 0x80));
    EXPECT_EQ(platform::toBgr(QColor(0xEC, 0xE9, 0xD8)), 0xD8E9ECu);
}

} // namespace
