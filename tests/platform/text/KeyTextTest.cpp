#include "platform/text/KeyText.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The chart's consonant keys and, in the same order, the letters a learner sees.
const QString ConsonantKeys = QStringLiteral("kKgGcCjJtTdDNwWfFnpPbBmyrlvXSshLRY");
const QStringList ConsonantLetters =
    QStringLiteral("ક ખ ગ ઘ ચ છ જ ઝ ટ ઠ ડ ઢ ણ ત થ દ ધ ન પ ફ બ ભ મ ય ર લ વ શ ષ સ હ ળ ક્ષ જ્ઞ")
        .split(u' ');

const QStringList SignKeys = {QString(), "A", "i", "I", "u", "U", "e", "E", "Ae", "AE", ">", ":"};
const QStringList Signs = {QString(), "ા", "િ", "ી", "ુ", "ૂ", "ે", "ૈ", "ો", "ૌ", "ં", "ઃ"};

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(KeyText, EveryConsonantWithEveryVowelSignIsTheRightSyllable)
{
    ASSERT_EQ(ConsonantKeys.size(), 34);
    ASSERT_EQ(ConsonantLetters.size(), 34);
    for (qsizetype c = 0; c < ConsonantKeys.size(); ++c) {
        for (qsizetype s = 0; s < SignKeys.size(); ++s) {
            const QString consonant(ConsonantKeys.at(c));
            // The "i" sign is typed before its consonant.
            const QString key =
                SignKeys.at(s) == u"i" ? SignKeys.at(s) + consonant : consonant + SignKeys.at(s);
            const QString expected = ConsonantLetters.at(c) + Signs.at(s);
            EXPECT_EQ(text::toUnicode(key), expected) << key.toStdString();
        }
    }
}

TEST(KeyText, SyllablesTheLearnerMeets)
{
    EXPECT_EQ(text::toUnicode("ik"), u("કિ"));
    EXPECT_EQ(text::toUnicode("kAe"), u("કો"));
    EXPECT_EQ(text::toUnicode("kAE"), u("કૌ"));
    EXPECT_EQ(text::toUnicode("R"), u("ક્ષ"));
    EXPECT_EQ(text::toUnicode("Y"), u("જ્ઞ"));
    EXPECT_EQ(text::toUnicode("k>"), u("કં"));
}

TEST(KeyText, NumbersBecomeGujaratiNumerals)
{
    EXPECT_EQ(text::toUnicode("0123456789"), u("૦૧૨૩૪૫૬૭૮૯"));
    EXPECT_EQ(text::toUnicode("27"), u("૨૭"));
    EXPECT_EQ(text::toUnicode("100"), u("૧૦૦"));
}

TEST(KeyText, AVowelSignAloneStandsOnADottedCircle)
{
    EXPECT_EQ(text::toUnicode("u"), u("◌ુ"));
    EXPECT_EQ(text::toUnicode("i"), u("◌િ"));
    EXPECT_EQ(text::toUnicode("Ae"), u("◌ો"));
    EXPECT_EQ(text::toUnicode("+u"), u("+◌ુ"));
}

TEST(KeyText, OtherCharactersAndEmptyTextPassThrough)
{
    EXPECT_EQ(text::toUnicode(QString()), QString());
    EXPECT_EQ(text::toUnicode("+"), u("+"));
    EXPECT_EQ(text::toUnicode("="), u("="));
    EXPECT_EQ(text::toUnicode("2 + 3"), u("૨ + ૩"));
}

TEST(KeyText, SingleKeyLookups)
{
    EXPECT_EQ(text::consonantText(u'k'), u("ક"));
    EXPECT_TRUE(text::consonantText(u'i').isEmpty());
    EXPECT_TRUE(text::consonantText(u'A').isEmpty());
    EXPECT_EQ(text::vowelSignText("AE"), u("ૌ"));
    EXPECT_TRUE(text::vowelSignText("k").isEmpty());
}

} // namespace
