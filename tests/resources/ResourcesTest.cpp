#include "resources/Icons.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, EveryIdFrom101To115HasItsText)
{
    for (int id = 101; id <= 115; ++id)
        EXPECT_FALSE(resources::LoadResString(id).isEmpty()) << id;
    EXPECT_TRUE(resources::LoadResString(100).isEmpty());
    EXPECT_TRUE(resources::LoadResString(116).isEmpty());
}

TEST(StringTable, TemplatesWithANameHaveOnePlaceholder)
{
    for (int id : {101, 104, 106})
        EXPECT_EQ(resources::LoadResString(id).count(QStringLiteral("%s")), 1) << id;
    EXPECT_EQ(resources::LoadResString(106),
              QStringLiteral("You Have Sucessfully Completed Level %s."));
}

TEST(Icons, TickAndCrossAreCompiledIn)
{
    const QPixmap tick = resources::LoadResPicture(resources::TickIcon);
    const QPixmap cross = resources::LoadResPicture(resources::CrossIcon);
    ASSERT_FALSE(tick.isNull());
    ASSERT_FALSE(cross.isNull());
    EXPECT_NE(tick.toImage(), cross.toImage());
    EXPECT_TRUE(resources::LoadResPicture(103).isNull());
    EXPECT_FALSE(resources::applicationIcon().isNull());
}

} // namespace
