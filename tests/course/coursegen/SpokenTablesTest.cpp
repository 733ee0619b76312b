// What the voice really says for the tables' say cells, in espeak-ng's own
// phoneme names: the sounds it gets wrong from the spelling are mended.
#include "course/coursegen/CourseTables.h"
#include "course/sounds/Speak.h"

#include <gtest/gtest.h>

using coursegen::CourseTables;

namespace {

struct Spoken
{
    QString written;
    QString say;
};

const CourseTables &tables()
{
    static const CourseTables loaded = CourseTables::load(QStringLiteral(OSTRANA_COURSE_TABLES));
    return loaded;
}

// Every word the course speaks: the examples, the spelling words and the numbers.
QList<Spoken> spokenWords()
{
    QList<Spoken> words;
    for (const auto *items :
         {&tables().consonants, &tables().vowels, &tables().vowelSigns, &tables().numerals}) {
        for (const coursegen::CourseItem &item : *items) {
            for (const coursegen::Example &example : item.examples)
                words.append({example.word, example.say});
        }
    }
    for (const coursegen::CourseWord &word : tables().words)
        words.append({word.text, word.say});
    for (const coursegen::CourseNumber &number : tables().numbers)
        words.append({number.say, number.say});
    // The numerals' own names are words too (પાંચ).
    for (const coursegen::CourseItem &numeral : tables().numerals)
        words.append({numeral.say, numeral.say});
    return words;
}

// The ones whose written form (or, for phonemes, say) has `mark`.
QList<Spoken> wordsWith(const QString &mark, const QString &phonemeMark)
{
    QList<Spoken> found;
    for (const Spoken &word : spokenWords()) {
        if (word.written.contains(mark) || word.say.contains(phonemeMark))
            found.append(word);
    }
    return found;
}

std::string trace(const Spoken &word, const QString &phonemes)
{
    return (word.written + QStringLiteral(" -> ") + word.say + QStringLiteral(" -> ") + phonemes)
        .toStdString();
}

} // namespace

TEST(SpokenTables, LlaIsALateralNotAFlap)
{
    const QList<Spoken> words = wordsWith(QStringLiteral("ળ"), QStringLiteral("l."));
    // કેળું, થાળી, કમળ, the spelling words નળ... and સોળ among them.
    EXPECT_GE(words.size(), 20);
    for (const Spoken &word : words) {
        const QString phonemes = sounds::phonemes(word.say);
        SCOPED_TRACE(trace(word, phonemes));
        EXPECT_TRUE(phonemes.contains(QStringLiteral("l.")));
        EXPECT_FALSE(phonemes.contains(QStringLiteral("r.")));
    }
    const coursegen::CourseItem &lla = tables().consonants.at(31);
    ASSERT_EQ(lla.text.toStdString(), "ળ");
    EXPECT_EQ(sounds::phonemes(lla.say).toStdString(), "l.'V");
}

TEST(SpokenTables, AaWithAnusvaraIsALongNasalA)
{
    const QList<Spoken> words = wordsWith(QStringLiteral("ાં"), QStringLiteral("a~"));
    // પાંચ, the plurals કેળાં ... મોજાં, પાંત્રીસ and પાંસઠ.
    EXPECT_GE(words.size(), 13);
    for (const Spoken &word : words) {
        const QString phonemes = sounds::phonemes(word.say);
        SCOPED_TRACE(trace(word, phonemes));
        EXPECT_TRUE(phonemes.contains(QStringLiteral("a~")));
        EXPECT_FALSE(phonemes.contains(QStringLiteral("V~")));
    }
    EXPECT_EQ(sounds::phonemes(tables().numbers.at(5).say).toStdString(), "p'a~c");
}

TEST(SpokenTables, SsaInAWordIsSaidAsSha)
{
    QList<Spoken> words;
    for (const Spoken &word : spokenWords()) {
        // ક્ષ is its own letter, kS already.
        if (QString(word.written).remove(QStringLiteral("ક્ષ")).contains(QStringLiteral("ષ")))
            words.append(word);
    }
    EXPECT_GE(words.size(), 4); // ધનુષ, પુરુષ, ઔષધ, ઔષધિ
    for (const Spoken &word : words) {
        // As it is recorded: through the say-text step.
        const QString phonemes =
            sounds::phonemes(coursegen::sayText(word.say, tables().pronunciation));
        SCOPED_TRACE(trace(word, phonemes));
        EXPECT_TRUE(phonemes.contains(u'S'));
        EXPECT_FALSE(phonemes.contains(QStringLiteral("s.")));
    }
}

// The sign ી inside a word is long, however the voice would shorten it; a word's
// last ī is said as the voice says it.
TEST(SpokenTables, IiInsideAWordIsLong)
{
    const auto said = [](const QString &say) {
        return sounds::phonemes(coursegen::sayText(say, tables().pronunciation));
    };
    int inner = 0;
    for (const Spoken &word : spokenWords()) {
        const QStringList written = word.written.split(u' ');
        const QStringList phonemes = said(word.say).split(u' ');
        if (written.size() != phonemes.size())
            continue;
        for (qsizetype w = 0; w < written.size(); ++w) {
            // Each ી but one that ends the word.
            const QString body = written.at(w).chopped(written.at(w).endsWith(u'ી') ? 1 : 0);
            SCOPED_TRACE(trace(word, phonemes.at(w)));
            inner += int(body.count(u'ી'));
            EXPECT_GE(phonemes.at(w).count(QStringLiteral("i:")), body.count(u'ી'));
        }
    }
    EXPECT_GE(inner, 30); // કીડી, ઢીંગલી, the numbers વીસ to અડતાલીસ...
    EXPECT_EQ(said(QStringLiteral("મીણબત્તી")).toStdString(), "m,i:n.b'Vt:i");
    EXPECT_EQ(said(QStringLiteral("દસ કીડીઓ")).toStdString(), "d'Vs k,i:d.'i:;o:");
    EXPECT_EQ(said(QStringLiteral("ઢીંગલી")).toStdString(), "d.#'i:Ngli");
}
