#include "platform/db/Variant.h"

#include "DbTestSupport.h"
#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"

namespace {

using db::Variant;
using dbtest::errorOf;

TEST(Variant, NullReadAsANumberOrPlainTextIsInvalidUseOfNull)
{
    const Variant null;
    EXPECT_TRUE(null.isNull());
    EXPECT_EQ(errorOf([&] { null.toInteger(); }), 94);
    EXPECT_EQ(errorOf([&] { null.toLong(); }), 94);
    EXPECT_EQ(errorOf([&] { null.toDouble(); }), 94);
    EXPECT_EQ(errorOf([&] { null.toString(); }), 94);
    EXPECT_EQ(errorOf([&] { null.toDateTime(); }), 94);
    try {
        null.toString();
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.description(), QStringLiteral("Invalid use of Null"));
    }
}

TEST(Variant, NullJoinedToTheProgramFolderGivesTheFolderAlone)
{
    const Variant null;
    EXPECT_EQ(null.concatText(), QString());
    const QString folder = QStringLiteral("/opt/ostrana");
    EXPECT_EQ(folder + null.concatText(), folder);
    EXPECT_EQ(folder + Variant("\\sounds\\a.mp3").concatText(),
              QStringLiteral("/opt/ostrana\\sounds\\a.mp3"));
}

TEST(Variant, IntegerIsSixteenBitsAndLongThirtyTwo)
{
    EXPECT_EQ(Variant(32767).toInteger(), 32767);
    EXPECT_EQ(Variant(-32768).toInteger(), -32768);
    EXPECT_EQ(errorOf([] { Variant(32768).toInteger(); }), 6);
    EXPECT_EQ(errorOf([] { Variant(-32769).toInteger(); }), 6);
    EXPECT_EQ(Variant(2147483647LL).toLong(), 2147483647);
    EXPECT_EQ(errorOf([] { Variant(2147483648LL).toLong(); }), 6);
    EXPECT_EQ(errorOf([] { Variant(-2147483649LL).toLong(); }), 6);
    EXPECT_EQ(errorOf([] { Variant(40000.0).toInteger(); }), 6);
    EXPECT_EQ(errorOf([] { Variant("40000").toInteger(); }), 6);
}

TEST(Variant, RealsRoundHalfToEven)
{
    EXPECT_EQ(Variant(2.5).toInteger(), 2);
    EXPECT_EQ(Variant(3.5).toInteger(), 4);
    EXPECT_EQ(Variant(-2.5).toInteger(), -2);
    EXPECT_EQ(Variant(2.6).toLong(), 3);
    EXPECT_EQ(errorOf([] { Variant(32767.5).toInteger(); }), 6);
}

TEST(Variant, TextIsANumberOnlyWhenItReadsAsOne)
{
    EXPECT_EQ(Variant(" 12 ").toInteger(), 12);
    EXPECT_EQ(Variant("-7").toLong(), -7);
    EXPECT_DOUBLE_EQ(Variant("1.25").toDouble(), 1.25);
    EXPECT_EQ(errorOf([] { Variant("abc").toInteger(); }), 13);
    EXPECT_EQ(errorOf([] { Variant("").toLong(); }), 13);
    EXPECT_EQ(errorOf([] { Variant("12abc").toDouble(); }), 13);
    EXPECT_EQ(errorOf([] { Variant("inf").toDouble(); }), 13);
}

TEST(Variant, NumbersAsText)
{
    EXPECT_EQ(Variant(42).toString(), QStringLiteral("42"));
    EXPECT_EQ(Variant(-3).concatText(), QStringLiteral("-3"));
    EXPECT_EQ(Variant(2.5).toString(), QStringLiteral("2.5"));
    EXPECT_EQ(Variant("ગુજરાતી").toString(), QStringLiteral("ગુજરાતી"));
}

TEST(Variant, DateTimesReadFromIsoText)
{
    const QDateTime when(QDate(2024, 5, 1), QTime(13, 45, 7));
    EXPECT_EQ(Variant(when).toDateTime(), when);
    EXPECT_EQ(Variant(when).toString(), QStringLiteral("2024-05-01T13:45:07"));
    EXPECT_EQ(Variant("2024-05-01T13:45:07").toDateTime(), when);
    EXPECT_EQ(Variant("2024-05-01 13:45:07").toDateTime(), when);
    EXPECT_EQ(errorOf([] { Variant("yesterday").toDateTime(); }), 13);
    EXPECT_EQ(errorOf([] { Variant(5).toDateTime(); }), 13);
    EXPECT_EQ(errorOf([&] { Variant(when).toInteger(); }), 13);
}

TEST(Variant, EqualityTakesTheTypeIntoAccount)
{
    EXPECT_EQ(Variant(1), Variant(1));
    EXPECT_NE(Variant(1), Variant(1.0));
    EXPECT_NE(Variant(1), Variant("1"));
    EXPECT_EQ(Variant(), Variant());
    EXPECT_NE(Variant(), Variant(""));
}

} // namespace
