// The say-text step: which vowels the voice is told to drop, and the nasals.
#include "course/coursegen/Pronunciation.h"

#include "course/coursegen/CoursePlan.h"
#include "course/coursegen/CourseTables.h"
#include "platform/text/KeyText.h"
#include "platform/text/SyllableChart.h"

#include <gtest/gtest.h>

using coursegen::Pronunciation;
using coursegen::sayText;

namespace {

const coursegen::CourseTables &tables()
{
    static const coursegen::CourseTables loaded =
        coursegen::CourseTables::load(QStringLiteral(OSTRANA_COURSE_TABLES));
    return loaded;
}

std::string said(const char *text)
{
    return sayText(QString::fromUtf8(text), tables().pronunciation).toStdString();
}

} // namespace

TEST(Pronunciation, DropsTheInherentVowelBetweenVowelAndConsonantVowel)
{
    EXPECT_EQ(said("શરબત"), "શર્બત");
    EXPECT_EQ(said("કસરત"), "કસ્રત");
    EXPECT_EQ(said("ચકલી"), "ચક્લી");
    EXPECT_EQ(said("કૂતરો"), "કૂત્રો");
    EXPECT_EQ(said("સફરજન"), "સફર્જન"); // from the end back: ર goes, so ફ stays
    EXPECT_EQ(said("એકસઠ"), "એક્સઠ");
    // Not before a conjunct, nor in one: મીણબત્તી is "miṇbatti".
    EXPECT_EQ(said("મીણબત્તી"), "મીણ્બત્તી");
}

TEST(Pronunciation, KeepsVowelsWhereTheRuleDoesNotApply)
{
    // Two and three letters: the first syllable keeps its vowel, the last
    // one the voice drops itself.
    for (const char *word : {"ઘર", "કમળ", "મગર", "બતક", "રમત", "ગગન", "પાણી", "દસ"})
        EXPECT_EQ(said(word), word);
    // Compounds split by speech.tsv: each part on its own.
    EXPECT_EQ(said("રમતગમત"), "રમત્ગમત");
    EXPECT_EQ(said("તરબતર"), "તર્બતર");
    EXPECT_EQ(said("ઓગણપચાસ"), "ઓગણ્પચાસ");
    // Phonemes pass as they are; several words each on its own.
    EXPECT_EQ(said("બે [[k'e:l.a~]]"), "બે [[k'e:l.a~]]");
    EXPECT_EQ(said("આઠ ચકલી"), "આઠ ચક્લી");
}

TEST(Pronunciation, AnusvaraTakesTheNasalOfTheStopAfterIt)
{
    EXPECT_EQ(said("લીંબુ"), "લીમ્બુ");
    EXPECT_EQ(said("રીંછ"), "રીઞ્છ");
    EXPECT_EQ(said("ઊંટ"), "ઊણ્ટ");
    EXPECT_EQ(said("ઢીંગલી"), "ઢીઙ્ગ્લી");
    // ાં is the long nasal a (પાંચ), and before ય..હ it stays a nasal vowel.
    EXPECT_EQ(said("પાંચ"), "પાંચ");
    EXPECT_EQ(said("શંખ"), "શઙ્ખ");
    EXPECT_EQ(said("સંસાર"), "સંસાર");
}

TEST(Pronunciation, GnaIsGAndADentalN)
{
    EXPECT_EQ(said("જ્ઞ"), "ગ્ન");
    EXPECT_EQ(said("જ્ઞાન"), "ગ્નાન");
    EXPECT_EQ(said("યજ્ઞ"), "યગ્ન"); // the voice keeps a conjunct's last vowel
}

TEST(Pronunciation, SsaInAWordIsSha)
{
    EXPECT_EQ(said("ધનુષ"), "ધનુશ");
    EXPECT_EQ(said("ઔષધિ"), "ઔશ્ધિ");
    // The letter and its syllables keep their own sound; ક્ષ is a letter of its own.
    EXPECT_EQ(said("ષ"), "ષ");
    EXPECT_EQ(said("ષા"), "ષા");
    EXPECT_EQ(said("દ્રાક્ષ"), "દ્રાક્ષ");
}

TEST(Pronunciation, EveryRecordingOfThePlanWentThroughTheStep)
{
    const coursegen::CoursePlan plan = coursegen::CoursePlan::make(tables());
    int recordings = 0;
    QHash<QString, QString> texts;
    for (const coursegen::MediaJob &job : plan.media) {
        if (job.kind != coursegen::MediaKind::Speech &&
            job.kind != coursegen::MediaKind::LetterSpeech &&
            job.kind != coursegen::MediaKind::SyllableSpeech)
            continue;
        ++recordings;
        texts.insert(job.storedPath, job.text);
        // The step leaves what it made as it is, and nothing else is.
        EXPECT_EQ(sayText(job.text, tables().pronunciation).toStdString(), job.text.toStdString())
            << job.storedPath.toStdString();
        EXPECT_FALSE(job.text.contains(QStringLiteral("જ્ઞ"))) << job.storedPath.toStdString();
    }
    EXPECT_GT(recordings, 900);
    namespace syl = text::syllables;
    const auto chart = [&](const char *key, int sign) {
        for (int i = 0; i < syl::ConsonantCount; ++i) {
            if (text::consonantKeyAt(i) == QLatin1String(key))
                return texts.value(syl::syllableSound(sign, i)).toStdString();
        }
        return std::string();
    };
    // The chart's lone ળ and ણ say what their lessons say; its gna is "gna".
    EXPECT_EQ(chart("L", 0), "[[l.'V]]");
    EXPECT_EQ(chart("N", 0), "ણઅ");
    EXPECT_EQ(chart("Y", 1), "ગ્ના");
    EXPECT_EQ(texts.value(QStringLiteral("\\words\\46.mp3")).toStdString(), "શર્બત");
}

TEST(Pronunciation, AWordOfTheExceptionListKeepsItsVowels)
{
    EXPECT_EQ(said("ઓગણત્રીસ"), "ઓગણત્રીસ");
    Pronunciation none;
    EXPECT_EQ(sayText(QStringLiteral("ઓગણત્રીસ"), none).toStdString(), "ઓગ્ણત્રીસ");
}
