#include "course/coursegen/CoursePlan.h"
#include "course/coursegen/CourseTables.h"
#include "course/coursegen/ExamplePlacement.h"
#include "platform/text/KeyText.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

using coursegen::CoursePlan;
using coursegen::CourseTables;
using coursegen::MediaJob;
using coursegen::MediaKind;
namespace placement = coursegen::placement;

namespace {

std::string s(const QString &text)
{
    return text.toStdString();
}

const CourseTables &tables()
{
    static const CourseTables loaded = CourseTables::load(QStringLiteral(OSTRANA_COURSE_TABLES));
    return loaded;
}

// A table's say text as the recording reads it.
std::string said(const QString &say)
{
    return coursegen::sayText(say, tables().pronunciation).toStdString();
}

const CoursePlan &plan()
{
    static const CoursePlan made = CoursePlan::make(tables());
    return made;
}

QStringList pathColumns(const schema::LetterRow &row)
{
    QStringList paths;
    for (const db::Variant *value :
         {&row.LetterPicture, &row.LetterAnimation, &row.LetterSound, &row.PictureAAnimation,
          &row.PictureASound, &row.PictureAWord, &row.PictureBAnimation, &row.PictureBSound,
          &row.PictureBWord, &row.PictureLetter1, &row.PictureLetter2, &row.PictureLetter3,
          &row.PictureLetter4, &row.PictureLetter5, &row.PictureLetter6})
        paths << value->toString();
    return paths;
}

QRect rectOf(const db::Variant &left, const db::Variant &top, const db::Variant &width,
             const db::Variant &height)
{
    return {left.toInteger(), top.toInteger(), width.toInteger(), height.toInteger()};
}

TEST(PlanTest, EveryStoredPathBeginsWithABackslashAndIsUniqueWithoutCase)
{
    QSet<QString> folded;
    QStringList all;
    for (const MediaJob &job : plan().media)
        all << job.storedPath;
    for (const auto &level : plan().levels)
        all << level.storedPath();
    all << QStringLiteral("\\Kelvo.kdt");
    for (const QString &path : all) {
        EXPECT_TRUE(path.startsWith(u'\\')) << path.toStdString();
        EXPECT_FALSE(path.contains(u'/')) << path.toStdString();
        EXPECT_FALSE(folded.contains(path.toCaseFolded())) << path.toStdString();
        folded.insert(path.toCaseFolded());
    }
}

TEST(PlanTest, EveryPathOfALevelIsAPlannedMedium)
{
    QHash<QString, MediaKind> kinds;
    for (const MediaJob &job : plan().media)
        kinds.insert(job.storedPath, job.kind);
    for (const auto &level : plan().levels) {
        for (const schema::LetterRow &row : level.letters) {
            for (const QString &path : pathColumns(row))
                EXPECT_TRUE(kinds.contains(path)) << path.toStdString();
            EXPECT_EQ(kinds.value(row.LetterPicture.toString()), MediaKind::LetterPicture);
            EXPECT_EQ(kinds.value(row.LetterAnimation.toString()), MediaKind::StrokeAnimation);
            EXPECT_EQ(kinds.value(row.LetterSound.toString()), MediaKind::LetterSpeech);
            EXPECT_EQ(kinds.value(row.PictureASound.toString()), MediaKind::Speech);
            EXPECT_EQ(kinds.value(row.PictureAWord.toString()), MediaKind::WordStrip);
            EXPECT_EQ(kinds.value(row.PictureBAnimation.toString()), MediaKind::ExampleAnimation);
            EXPECT_EQ(kinds.value(row.PictureLetter6.toString()), MediaKind::TracingPicture);
        }
    }
}

TEST(PlanTest, LevelsHoldTheirLettersInLessonOrderAndOneExamRow)
{
    const QHash<int, int> expected{{1, 8},  {2, 10}, {3, 18},  {4, 8},   {5, 18},  {6, 8},  {7, 16},
                                   {8, 34}, {9, 34}, {10, 34}, {11, 12}, {12, 12}, {14, 10}};
    ASSERT_EQ(plan().levels.size(), 25);
    for (const auto &level : plan().levels) {
        EXPECT_EQ(level.letters.size(), expected.value(level.level, 0)) << level.level;
        EXPECT_EQ(level.passMark, tables().levels.at(level.level - 1).passMark);
        for (int i = 0; i < level.letters.size(); ++i)
            EXPECT_EQ(level.letters.at(i).ID.toLong(), i + 1);
    }
    // Level 2 starts with ટ, the ninth consonant; its pronunciation is the table's name.
    const schema::LetterRow &first = plan().levels.at(1).letters.first();
    EXPECT_EQ(first.LetterPronounciation.toString().toStdString(), "TA");
    EXPECT_EQ(first.LetterPicture.toString().toStdString(), "\\letters\\consonants\\09.png");
}

TEST(PlanTest, ALetterUsedByManyLevelsHasItsMediaOnce)
{
    // ક is in levels 1, 3, 8 and 9: the same files every time, planned once.
    QSet<QString> pictures;
    for (int level : {1, 3, 8, 9})
        pictures.insert(plan().levels.at(level - 1).letters.first().LetterPicture.toString());
    EXPECT_EQ(pictures.size(), 1);

    int items = 0;
    for (const MediaJob &job : plan().media) {
        if (job.kind == MediaKind::LetterPicture)
            ++items;
    }
    EXPECT_EQ(items, 34 + 12 + 12 + 10);
    int tracings = 0;
    for (const MediaJob &job : plan().media) {
        if (job.kind == MediaKind::TracingPicture) {
            ++tracings;
            EXPECT_GE(job.number, 1);
            EXPECT_LE(job.number, 6);
        }
    }
    EXPECT_EQ(tracings, 6 * items);
}

TEST(PlanTest, ExamplePicturesLieInsideTheirAreasApartFromTheLetter)
{
    for (const auto &level : plan().levels) {
        for (const schema::LetterRow &row : level.letters) {
            const QRect a =
                rectOf(row.PictureALeft, row.PictureATop, row.PictureAWidth, row.PictureAHeight);
            const QRect b =
                rectOf(row.PictureBLeft, row.PictureBTop, row.PictureBWidth, row.PictureBHeight);
            for (const auto &[r, area] :
                 {std::pair{a, placement::AreaA}, std::pair{b, placement::AreaB}}) {
                EXPECT_GT(r.width(), 0);
                EXPECT_GT(r.height(), 0);
                // Whole pixels from the area's corner, so nothing is resampled.
                EXPECT_EQ((r.left() - area.left()) % 15, 0);
                EXPECT_EQ((r.top() - area.top()) % 15, 0);
                EXPECT_EQ(r.width() % 15, 0);
                EXPECT_EQ(r.height() % 15, 0);
                EXPECT_FALSE(r.intersects(placement::LetterFrame));
            }
            EXPECT_TRUE(placement::AreaA.contains(a));
            EXPECT_TRUE(placement::AreaB.contains(b));
            EXPECT_FALSE(a.intersects(b));
        }
    }
}

TEST(PlanTest, PlacementCentresAndClipsToTheArea)
{
    const QRect square = placement::place(placement::AreaA, QSize(100, 100));
    EXPECT_EQ(square.width(), 1500);
    // Centred to the nearest whole pixel.
    EXPECT_LE(std::abs((square.left() - placement::AreaA.left()) -
                       (placement::AreaA.right() - square.right())),
              15);
    EXPECT_EQ(square.top() - placement::AreaA.top(), 510);
    const QRect huge = placement::place(placement::AreaB, QSize(1000, 1000));
    EXPECT_EQ(huge, placement::AreaB);
}

TEST(PlanTest, NumeralPicturesShowAsManyThingsAsTheirValue)
{
    QHash<QString, int> counts;
    for (const MediaJob &job : plan().media) {
        if (job.kind == MediaKind::ExampleAnimation)
            counts.insert(job.storedPath, job.number);
    }
    const auto &numerals = plan().levels.at(13).letters;
    ASSERT_EQ(numerals.size(), 10);
    for (int i = 0; i < numerals.size(); ++i) {
        EXPECT_EQ(counts.value(numerals.at(i).PictureAAnimation.toString()), i + 1);
        EXPECT_EQ(counts.value(numerals.at(i).PictureBAnimation.toString()), i + 1);
    }
    // A word shows its one thing.
    EXPECT_EQ(counts.value(plan().levels.at(0).letters.first().PictureAAnimation.toString()), 1);
}

TEST(PlanTest, FixedMediaArePlanned)
{
    QSet<QString> paths;
    for (const MediaJob &job : plan().media)
        paths.insert(job.storedPath);
    for (const char *fixed :
         {"\\Animation\\logo.gif", "\\Animation\\click.gif", "\\Animation\\click2.gif",
          "\\Animation\\loading.gif", "\\Animation\\instruction2.gif",
          "\\Animation\\numberinstruction2.gif", "\\Animation\\testinstructions.gif",
          "\\Animation\\numbertestinstructions.gif", "\\sounds\\ohm.mp3",
          "\\test\\congratulations.gif", "\\test\\Applause.mp3"})
        EXPECT_TRUE(paths.contains(QString::fromLatin1(fixed))) << fixed;
}

TEST(PlanTest, SpellingLevelHasTheKeyboardInChartOrderAndTheWordsInKeyNumbers)
{
    QHash<QString, MediaJob> media;
    for (const MediaJob &job : plan().media)
        media.insert(job.storedPath, job);
    for (const auto &level : plan().levels) {
        if (level.level == 10 || (level.level >= 15 && level.level <= 25))
            continue;
        EXPECT_TRUE(level.keys.isEmpty() && level.words.isEmpty() && level.wordLetters.isEmpty())
            << level.level;
    }
    const coursegen::LevelContent &spelling = plan().levels.at(9);
    ASSERT_EQ(spelling.keys.size(), 34);
    QHash<int, QString> characters;
    for (int i = 0; i < 34; ++i) {
        const coursegen::KeyRow &key = spelling.keys.at(i);
        EXPECT_EQ(key.keyboardId, i + 1);
        EXPECT_EQ(s(key.code), s(text::consonantKeyAt(i)));
        EXPECT_EQ(s(key.character), s(text::toUnicode(key.code)));
        EXPECT_EQ(media.value(key.picture).kind, MediaKind::KeyPicture) << s(key.picture);
        EXPECT_EQ(s(media.value(key.picture).text), s(key.character));
        EXPECT_EQ(media.value(key.sound).kind, MediaKind::LetterSpeech) << s(key.sound);
        characters.insert(key.keyboardId, key.character);
    }

    ASSERT_EQ(spelling.words.size(), 60);
    for (int i = 0; i < 60; ++i) {
        const coursegen::WordRow &word = spelling.words.at(i);
        EXPECT_EQ(word.wordId, i + 1);
        EXPECT_EQ(s(word.soundFile),
                  s(QStringLiteral("\\words\\%1.mp3").arg(i + 1, 2, 10, QChar(u'0'))));
        EXPECT_EQ(media.value(word.soundFile).kind, MediaKind::Speech);
        EXPECT_EQ(s(media.value(word.soundFile).text), said(tables().words.at(i).say));
    }
    // Read back in Id order, each word's keys spell it.
    QHash<int, QString> spelt;
    for (int i = 0; i < spelling.wordLetters.size(); ++i) {
        const coursegen::WordLetterRow &letter = spelling.wordLetters.at(i);
        EXPECT_EQ(letter.id, i + 1);
        spelt[letter.wordId] += characters.value(letter.keyboardId, QStringLiteral("?"));
    }
    for (const coursegen::CourseWord &word : tables().words)
        EXPECT_EQ(s(spelt.value(word.id)), s(word.text));
}

// The digits of each WordLetter number, read back in Id order, as text.
QHash<int, QString> digitsByNumber(const coursegen::LevelContent &level)
{
    QHash<int, QString> digits;
    int lastId = 0;
    for (const coursegen::WordLetterRow &row : level.wordLetters) {
        EXPECT_GT(row.id, lastId) << "level " << level.level;
        lastId = row.id;
        digits[row.wordId] += QString::number(row.keyboardId);
    }
    return digits;
}

QString numberSoundOf(int number)
{
    return QStringLiteral("\\numbers\\%1.mp3").arg(number, 3, 10, QChar(u'0'));
}

// The numbers window asks for a number's recording by its place in the range
// and for its digits by the number itself (level 17: place 1 is 41).
TEST(PlanTest, NumbersLevelsKeyRecordingsByPlaceAndDigitsByTheNumber)
{
    QHash<QString, MediaJob> media;
    for (const MediaJob &job : plan().media)
        media.insert(job.storedPath, job);
    const auto spoken = [&](const QString &path) { return s(media.value(path).text); };

    // Each key speaks its digit; the contract test reads the rest of the keys.
    const coursegen::LevelContent &first = plan().levels.at(14);
    ASSERT_EQ(first.keys.size(), 10);
    EXPECT_EQ(spoken(first.keys.at(0).sound), said(tables().numbers.at(0).say));
    // The keys are held like a letter's name, and so is a number of one syllable.
    for (const coursegen::KeyRow &key : first.keys)
        EXPECT_EQ(media.value(key.sound).kind, MediaKind::LetterSpeech) << s(key.sound);
    EXPECT_EQ(media.value(numberSoundOf(10)).kind, MediaKind::LetterSpeech);
    EXPECT_EQ(media.value(first.keys.at(5).picture).kind, MediaKind::DigitPicture);

    const coursegen::LevelContent &forties = plan().levels.at(16);
    EXPECT_TRUE(forties.letters.isEmpty());
    ASSERT_EQ(forties.words.size(), 20);
    for (int place = 1; place <= 20; ++place) {
        EXPECT_EQ(forties.words.at(place - 1).wordId, place);
        EXPECT_EQ(spoken(forties.words.at(place - 1).soundFile),
                  said(tables().numbers.at(40 + place).say));
    }
    EXPECT_EQ(spoken(forties.words.first().soundFile), "એક્તાલીસ"); // through the say-text step
    const QHash<int, QString> fortiesDigits = digitsByNumber(forties);
    EXPECT_EQ(fortiesDigits.size(), 20);
    for (int number = 41; number <= 60; ++number)
        EXPECT_EQ(s(fortiesDigits.value(number)), s(QString::number(number)));

    // The whole course at level 20: place and number are one.
    const coursegen::LevelContent &all = plan().levels.at(19);
    ASSERT_EQ(all.words.size(), 100);
    EXPECT_EQ(spoken(all.words.at(24).soundFile), "પચ્ચીસ");
    EXPECT_EQ(spoken(all.words.at(99).soundFile), said(tables().numbers.at(100).say));
    const QHash<int, QString> allDigits = digitsByNumber(all);
    EXPECT_EQ(allDigits.size(), 100);
    for (int number = 1; number <= 100; ++number)
        EXPECT_EQ(s(allDigits.value(number)), s(QString::number(number)));
    EXPECT_EQ(all.wordLetters.size(), 9 + 90 * 2 + 3);
}

// The maths levels type on the numbers course's keypad: the same keys, and
// no numbers or letters of their own (their sums are drawn).
TEST(PlanTest, MathsLevelsHaveTheNumbersKeypadAndNothingElse)
{
    const coursegen::LevelContent &numbers = plan().levels.at(14);
    for (int level = 21; level <= 25; ++level) {
        SCOPED_TRACE(level);
        const coursegen::LevelContent &maths = plan().levels.at(level - 1);
        ASSERT_EQ(maths.keys.size(), numbers.keys.size());
        for (int k = 0; k < maths.keys.size(); ++k) {
            EXPECT_EQ(maths.keys.at(k).keyboardId, numbers.keys.at(k).keyboardId);
            EXPECT_EQ(s(maths.keys.at(k).code), s(numbers.keys.at(k).code));
            EXPECT_EQ(s(maths.keys.at(k).picture), s(numbers.keys.at(k).picture));
            EXPECT_EQ(s(maths.keys.at(k).sound), s(numbers.keys.at(k).sound));
        }
        EXPECT_TRUE(maths.words.isEmpty());
        EXPECT_TRUE(maths.wordLetters.isEmpty());
        EXPECT_TRUE(maths.letters.isEmpty());
        EXPECT_EQ(maths.passMark, tables().levels.at(level - 1).passMark);
    }
}

TEST(PlanTest, KeyboardFollowsTheChartsOrderNotTheTables)
{
    // Were ક and ખ swapped in consonants.tsv, key 1 would still type ક, with
    // the picture now made for the second row.
    CourseTables swapped = tables();
    std::swap(swapped.consonants[0], swapped.consonants[1]);
    swapped.consonants[0].index = 1;
    swapped.consonants[1].index = 2;
    for (coursegen::CourseWord &word : swapped.words) {
        for (int &letter : word.letters)
            letter = letter < 2 ? 1 - letter : letter;
    }
    const coursegen::LevelContent spelling = CoursePlan::make(swapped).levels.at(9);
    EXPECT_EQ(s(spelling.keys.at(0).character), "ક");
    EXPECT_EQ(s(spelling.keys.at(0).picture), "\\letters\\consonants\\02-key.png");
    EXPECT_EQ(s(spelling.keys.at(1).picture), "\\letters\\consonants\\01-key.png");
    // કપ is still keys 1 and 19.
    const auto cup = std::find_if(spelling.wordLetters.cbegin(), spelling.wordLetters.cend(),
                                  [](const auto &l) { return l.wordId == 12; });
    ASSERT_NE(cup, spelling.wordLetters.cend());
    EXPECT_EQ(cup->keyboardId, 1);
    EXPECT_EQ((cup + 1)->keyboardId, 19);
}

TEST(PlanTest, AChangedWordChangesOnlyTheSpellingLevelsDigest)
{
    CourseTables changed = tables();
    changed.words[0].text = QStringLiteral("ઘડ");
    changed.words[0].letters.last() = 10; // ડ
    const CoursePlan again = CoursePlan::make(changed);
    for (int i = 0; i < again.levels.size(); ++i) {
        if (i == 9)
            EXPECT_NE(again.levels.at(i).contentHash(), plan().levels.at(i).contentHash());
        else
            EXPECT_EQ(again.levels.at(i).contentHash(), plan().levels.at(i).contentHash()) << i;
    }
}

TEST(PlanTest, InputHashFollowsTheParametersNotThePath)
{
    MediaJob job{MediaKind::Speech, QStringLiteral("\\a.mp3"), QStringLiteral("ક")};
    MediaJob moved = job;
    moved.storedPath = QStringLiteral("\\b.mp3");
    EXPECT_EQ(job.inputHash(), moved.inputHash());
    MediaJob other = job;
    other.text = QStringLiteral("ખ");
    EXPECT_NE(job.inputHash(), other.inputHash());
    MediaJob bigger = job;
    bigger.size = QSize(1, 2);
    EXPECT_NE(job.inputHash(), bigger.inputHash());

    // The same tables plan the same content.
    const CoursePlan again = CoursePlan::make(tables());
    for (int i = 0; i < again.levels.size(); ++i)
        EXPECT_EQ(again.levels.at(i).contentHash(), plan().levels.at(i).contentHash());
    EXPECT_NE(plan().levels.at(0).contentHash(), plan().levels.at(3).contentHash());
}

} // namespace

TEST(PlanTest, ExampleRecordingsSpeakTheSayTextWhileTheStripShowsTheWord)
{
    QHash<QString, MediaJob> media;
    for (const MediaJob &job : plan().media)
        media.insert(job.storedPath, job);
    // ળ, the 32nd consonant: કમળ is spoken with a lateral, and written as it is.
    const MediaJob sound = media.value(QStringLiteral("\\letters\\consonants\\32-a.mp3"));
    EXPECT_EQ(sound.kind, MediaKind::Speech);
    EXPECT_EQ(s(sound.text), "[[k@m'Vl.]]");
    EXPECT_EQ(s(media.value(QStringLiteral("\\letters\\consonants\\32-a-word.gif")).text), "કમળ");
    const MediaJob name = media.value(QStringLiteral("\\letters\\consonants\\32.mp3"));
    EXPECT_EQ(name.kind, MediaKind::LetterSpeech);
    EXPECT_EQ(s(name.text), "[[l.'V]]");
    EXPECT_GE(name.number, 500);
}

namespace {

// Letter media are drawn at the size their whole table allows, with the table's stroke
// starts; the digest follows both.
TEST(PlanTest, LettersCarryTheirTableAndStrokeStarts)
{
    int letters = 0;
    for (const MediaJob &job : plan().media) {
        if (job.kind != MediaKind::LetterPicture && job.kind != MediaKind::StrokeAnimation &&
            job.kind != MediaKind::TracingPicture)
            continue;
        ++letters;
        EXPECT_TRUE(job.kin.contains(job.text)) << job.storedPath.toStdString();
        if (job.storedPath.startsWith(QStringLiteral("\\letters\\vowels\\"))) {
            EXPECT_EQ(job.kin.size(), 12);
        }
        if (job.storedPath == QStringLiteral("\\letters\\signs\\04.gif")) {
            EXPECT_EQ(job.strokes.toStdString(), "n");
        }
    }
    EXPECT_GE(letters, 68 * 8);

    MediaJob job{MediaKind::StrokeAnimation, QStringLiteral("\\a.gif"), QStringLiteral("ક")};
    MediaJob alone = job, started = job;
    job.kin = QStringList{QStringLiteral("ક"), QStringLiteral("ખ")};
    started.strokes = QStringLiteral("se");
    EXPECT_NE(job.inputHash(), alone.inputHash());
    EXPECT_NE(started.inputHash(), alone.inputHash());
}

} // namespace
