#include "platform/text/KeyText.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <random>

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

// Randomised, from a fixed seed. Key texts are built from pieces whose
// Unicode is known: syllables, digits, lone signs and characters that are no
// keys at all (Gujarati letters, emoji, controls, NUL).
class KeyTextRandom : public ::testing::Test
{
protected:
    std::mt19937 random{20261209};

    template <typename List> const auto &any(const List &list)
    {
        return list.at(qsizetype(random() % quint32(list.size())));
    }

    const QStringList others{" ",
                             "+",
                             "=",
                             "?",
                             "a",
                             "o",
                             "x",
                             "Z",
                             "\t",
                             "\n",
                             QString(QChar(0)),
                             "%",
                             "'",
                             "\"",
                             "\\",
                             "ક",
                             "ાં",
                             "ગુ",
                             "\xF0\x9F\x91\x8D",
                             "◌"};
};

TEST_F(KeyTextRandom, PiecesOfKnownUnicodeJoinIntoTheirJoinedUnicode)
{
    for (int i = 0; i < 3000; ++i) {
        QString keys;
        QString expected;
        bool afterSyllable = false;
        for (int pieces = int(random() % 8); pieces > 0; --pieces) {
            switch (random() % 4) {
            case 0: { // a consonant, its vowel sign and perhaps an anusvara
                const qsizetype c = qsizetype(random() % 34);
                const qsizetype s = qsizetype(random() % quint32(SignKeys.size()));
                const QString consonant(ConsonantKeys.at(c));
                keys += SignKeys.at(s) == u"i" ? SignKeys.at(s) + consonant
                                               : consonant + SignKeys.at(s);
                expected += ConsonantLetters.at(c) + Signs.at(s);
                if (random() % 4 == 0 && SignKeys.at(s) != u">") {
                    keys += u'>';
                    expected += u("ં");
                }
                afterSyllable = true;
                continue;
            }
            case 1: {
                const int digit = int(random() % 10);
                keys += QString::number(digit);
                expected += QChar(char16_t(0x0AE6 + digit));
                break;
            }
            case 2: // a sign on its own, then something that is no key
                if (afterSyllable)
                    continue;
                {
                    const qsizetype s = 1 + qsizetype(random() % quint32(SignKeys.size() - 1));
                    const QString other = any(others);
                    keys += SignKeys.at(s) + other;
                    expected += u("◌") + Signs.at(s) + other;
                }
                break;
            default: {
                const QString other = any(others);
                keys += other;
                expected += other;
            }
            }
            afterSyllable = false;
        }
        EXPECT_EQ(text::toUnicode(keys), expected) << keys.toStdString();
    }
}

TEST_F(KeyTextRandom, TextWithNoKeyCharactersIsKeptAsItIs)
{
    // Any mix of Gujarati, emoji halves and controls: nothing in it is a key.
    for (int i = 0; i < 3000; ++i) {
        QString text;
        for (int length = int(random() % 16); length > 0; --length) {
            switch (random() % 3) {
            case 0:
                text += QChar(char16_t(0x0A80 + random() % 0x80));
                break;
            case 1:
                text += QChar(char16_t(0xD800 + random() % 0x800)); // lone surrogates too
                break;
            default:
                text += QChar(char16_t(random() % 0x20));
            }
        }
        EXPECT_EQ(text::toUnicode(text), text);
    }
}

} // namespace
