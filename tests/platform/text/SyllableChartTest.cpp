#include "platform/text/SyllableChart.h"

#include "platform/text/KeyText.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

namespace syl = text::syllables;

TEST(SyllableChart, SignsAndSyllablesAreKeyTextInChartOrder)
{
    EXPECT_TRUE(syl::signKey(0).isEmpty());
    for (int sign = 1; sign < syl::SignCount; ++sign)
        EXPECT_FALSE(text::vowelSignText(syl::signKey(sign)).isEmpty()) << sign;
    EXPECT_TRUE(syl::signKey(syl::SignCount).isEmpty());

    QStringList row;
    for (int sign = 0; sign < syl::SignCount; ++sign)
        row << syl::syllableKey(text::consonantKeyAt(0), sign);
    EXPECT_EQ(row.join(u' '), "k kA ik kI ku kU ke kE kAe kAE k> k:");
    EXPECT_EQ(text::toUnicode(syl::syllableKey(text::consonantKeyAt(2), 2)), "ગિ");
    EXPECT_EQ(text::consonantKeyAt(33), "Y");
    EXPECT_TRUE(text::consonantKeyAt(34).isEmpty());
}

TEST(SyllableChart, RecordingNamesFollowThePatternsAndNeverClashByCase)
{
    EXPECT_EQ(syl::consonantSound(0), "\\sounds\\Vowels_1a.mp3");
    EXPECT_EQ(syl::syllableSound(0, 0), syl::consonantSound(0));
    EXPECT_EQ(syl::syllableSound(11, 25), "\\sounds\\Vowels_12z.mp3");
    EXPECT_EQ(syl::playAllSound(0, 1), "\\sounds\\Vow_1b.mp3");
    EXPECT_EQ(syl::signSound(11), "\\sounds\\Vow_11.mp3");
    EXPECT_EQ(syl::plusSound(), "\\sounds\\Vow_Plus.mp3");
    EXPECT_EQ(syl::consonantSound(32), "\\sounds\\Vowels_1ksha.mp3");

    // Names are letters only, so "Vowels_11" + a code never reads as
    // "Vowels_1" + another.
    QSet<QString> codes;
    for (int c = 0; c < syl::ConsonantCount; ++c) {
        const QString code = syl::consonantCode(c);
        ASSERT_FALSE(code.isEmpty()) << c;
        for (QChar letter : code)
            EXPECT_TRUE(letter >= u'a' && letter <= u'z') << c;
        codes.insert(code.toCaseFolded());
    }
    EXPECT_EQ(codes.size(), syl::ConsonantCount);
    EXPECT_TRUE(syl::consonantCode(-1).isEmpty());
    EXPECT_TRUE(syl::consonantCode(syl::ConsonantCount).isEmpty());
}

} // namespace
