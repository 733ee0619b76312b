#include "TablesFixture.h"

#include <QRegularExpression>

using coursegen::CourseTables;
using coursegen::ItemTable;
using coursegentest::TablesFixture;

namespace {

std::string s(const QString &text)
{
    return text.toStdString();
}

class TablesTest : public TablesFixture
{};

TEST_F(TablesTest, CommittedTablesLoadWithEveryItemAndLevel)
{
    ASSERT_EQ(s(loadError()), "");
    const CourseTables tables = CourseTables::load(folder());
    EXPECT_EQ(tables.consonants.size(), 34);
    EXPECT_EQ(tables.vowels.size(), 12);
    EXPECT_EQ(tables.vowelSigns.size(), 12);
    EXPECT_EQ(tables.numerals.size(), 10);
    ASSERT_EQ(tables.levels.size(), 25);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(tables.levels.at(i).level, i + 1);

    // Rows keep their columns' meaning.
    EXPECT_EQ(s(tables.consonants.first().key), "k");
    EXPECT_EQ(s(tables.consonants.first().text), "ક");
    EXPECT_EQ(s(tables.consonants.first().name), "KA");
    EXPECT_EQ(s(tables.vowelSigns.first().text), "◌ા");
    EXPECT_EQ(tables.numerals.at(2).count, 3);
    EXPECT_EQ(tables.consonants.at(2).count, 1);

    // Level 3 is levels 1 and 2 together, in lesson order.
    const auto &level3 = tables.levels.at(2);
    ASSERT_TRUE(level3.table.has_value());
    EXPECT_EQ(*level3.table, ItemTable::Consonants);
    EXPECT_EQ(level3.items.size(), 18);
    EXPECT_EQ(level3.items.first(), 0);
    EXPECT_EQ(tables.levels.at(11).passMark, 10);
    EXPECT_FALSE(tables.levels.at(12).table.has_value());
    EXPECT_TRUE(tables.levels.at(12).items.isEmpty());
}

TEST_F(TablesTest, WordsAreSpeltInConsonantsWithTheConjunctsAsOneLetter)
{
    const CourseTables tables = CourseTables::load(folder());
    ASSERT_EQ(tables.words.size(), 60);
    for (int i = 0; i < 60; ++i) {
        const coursegen::CourseWord &word = tables.words.at(i);
        EXPECT_EQ(word.id, i + 1);
        EXPECT_GE(word.letters.size(), 2) << s(word.text);
        EXPECT_LE(word.letters.size(), 6) << s(word.text);
        QString spelt;
        for (int letter : word.letters)
            spelt += tables.consonants.at(letter).text;
        EXPECT_EQ(s(spelt), s(word.text));
    }
    // ક્ષ is the 33rd consonant and ણ the 13th; જ્ઞ the 34th.
    ASSERT_EQ(s(tables.words.at(16).text), "ક્ષણ");
    EXPECT_EQ(tables.words.at(16).letters, (QList<int>{32, 12}));
    EXPECT_EQ(tables.words.at(17).letters.last(), 33);

    // Six conjuncts are six letters, however many characters they take.
    replaceLine(QStringLiteral("words.tsv"), QStringLiteral("17\t"),
                QStringLiteral("17\tક્ષક્ષક્ષક્ષક્ષક્ષ\t-\tx"));
    ASSERT_EQ(s(loadError()), "");
    EXPECT_EQ(CourseTables::load(folder()).words.at(16).letters.size(), 6);
}

TEST_F(TablesTest, WordWithAnythingButConsonantsOrOfTheWrongLengthIsRefused)
{
    // The keyboard has no vowel signs, and no virama outside ક્ષ and જ્ઞ.
    int line = replaceLine(QStringLiteral("words.tsv"), QStringLiteral("1\t"),
                           QStringLiteral("1\tકેળું\t-\tbanana"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("words.tsv:%1: \"કેળું\" has ે (U+0AC7), which is not one of the "
                       "consonants")
            .arg(line)))
        << s(loadError());
    replaceLine(QStringLiteral("words.tsv"), QStringLiteral("1\t"),
                QStringLiteral("1\tપત્ર\t-\tletter"));
    EXPECT_TRUE(loadError().contains(QStringLiteral("\"પત્ર\" has ્ (U+0ACD)"))) << s(loadError());

    line = replaceLine(QStringLiteral("words.tsv"), QStringLiteral("1\t"),
                       QStringLiteral("1\tક\t-\tx"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("words.tsv:%1: \"ક\" has 1 letter; a word has 2 to 6 (one per "
                               "picture cell)")
                    .arg(line)));
    replaceLine(QStringLiteral("words.tsv"), QStringLiteral("1\t"),
                QStringLiteral("1\tરમતગમતઘર\t-\tx"));
    EXPECT_TRUE(loadError().contains(QStringLiteral("\"રમતગમતઘર\" has 8 letters")))
        << s(loadError());
}

TEST_F(TablesTest, WordIdsRunOneToSixtyAndNoWordComesTwice)
{
    const int first = lineOf(QStringLiteral("words.tsv"), QStringLiteral("1\t"));
    int line = replaceLine(QStringLiteral("words.tsv"), QStringLiteral("2\t"),
                           QStringLiteral("2\tઘર\t-\thome"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("words.tsv:%1: \"ઘર\" is already on line %2").arg(line).arg(first)));

    restoreFile(QStringLiteral("words.tsv"));
    line = replaceLine(QStringLiteral("words.tsv"), QStringLiteral("3\t"),
                       QStringLiteral("4\tરથ\t-\tchariot"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("words.tsv:%1: id: expected 3, found \"4\"").arg(line)))
        << s(loadError());

    restoreFile(QStringLiteral("words.tsv"));
    QStringList words = lines(QStringLiteral("words.tsv"));
    words.removeLast();
    write(QStringLiteral("words.tsv"), words);
    EXPECT_EQ(s(loadError()), "words.tsv: expected 60 rows, found 59");
    words.append({QStringLiteral("60\tઘરઘર\t-\tx"), QStringLiteral("61\tનળનળ\t-\tx")});
    write(QStringLiteral("words.tsv"), words);
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("words.tsv:%1: more than 60 words").arg(words.size())))
        << s(loadError());
}

// A picture stands for one word of the letters' lessons: a child shown the
// same elephant for two words cannot tell which is meant. The numerals count
// things those words already show, so they may repeat a picture.
TEST_F(TablesTest, NoTwoWordsOfTheLettersShareOnePicture)
{
    ASSERT_EQ(s(loadError()), "");
    const int dog = lineOf(QStringLiteral("consonants.tsv"), QStringLiteral("k\t"));
    int line = replaceLine(
        QStringLiteral("consonants.tsv"), QStringLiteral("K\t"),
        QStringLiteral(
            "K\tખ\tKHA\tખ\tખુરશી\t-\t🐕\tખિસકોલી\t-\t🐿️"));
    EXPECT_EQ(s(loadError()), s(QStringLiteral("consonants.tsv:%1: the picture 🐕 of ખુરશી is "
                                               "already that of કૂતરો (consonants.tsv:%2)")
                                    .arg(line)
                                    .arg(dog)));

    // Across the files, and with or without the emoji presentation selector,
    // which draws the same picture.
    restoreConsonants();
    const int squirrel = lineOf(QStringLiteral("consonants.tsv"), QStringLiteral("K\t"));
    line =
        replaceLine(QStringLiteral("vowel_signs.tsv"), QStringLiteral("A\t"),
                    QStringLiteral("A\tા\t◌ા\tAA\tઆ\tચા\t-\t🐿\tકાન\t-\t👂"));
    EXPECT_EQ(s(loadError()), s(QStringLiteral("vowel_signs.tsv:%1: the picture 🐿 of ચા is "
                                               "already that of ખિસકોલી (consonants.tsv:%2)")
                                    .arg(line)
                                    .arg(squirrel)));

    restoreFile(QStringLiteral("vowel_signs.tsv"));
    replaceLine(QStringLiteral("numerals.tsv"), QStringLiteral("૧\t"),
                QStringLiteral("૧\t1\tEK\tએક\tએક કૂતરો\t-\t🐕\tએક ફુગ્ગો\t-\t🎈"));
    EXPECT_EQ(s(loadError()), "");
}

// Every number the course speaks, from the keypad's zero to 100, in order and
// written as it is shown; no two alike to the ear.
TEST_F(TablesTest, NumbersRunZeroToAHundredEachWrittenAsItIsAndSpokenOnce)
{
    const CourseTables tables = CourseTables::load(folder());
    ASSERT_EQ(tables.numbers.size(), 101);
    EXPECT_EQ(s(tables.numbers.at(25).numeral), "૨૫");
    EXPECT_EQ(s(tables.numbers.at(25).say), "પચ્ચીસ");
    EXPECT_EQ(s(tables.numbers.at(100).numeral), "૧૦૦");
    EXPECT_EQ(s(tables.numbers.at(0).say), "શૂન્ય");

    const QString numbers = QStringLiteral("numbers.tsv");
    int line = replaceLine(numbers, QStringLiteral("25\t"), QStringLiteral("25\t૨૬\tપચ્ચીસ"));
    EXPECT_EQ(
        s(loadError()),
        s(QStringLiteral("numbers.tsv:%1: numeral: 25 is written ૨૫, found \"૨૬\"").arg(line)));

    restoreFile(numbers);
    line = replaceLine(numbers, QStringLiteral("26\t"), QStringLiteral("27\t૨૭\tસત્તાવીસ"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("numbers.tsv:%1: number: expected 26, found \"27\"").arg(line)))
        << s(loadError());

    restoreFile(numbers);
    const int first = lineOf(numbers, QStringLiteral("25\t"));
    line = replaceLine(numbers, QStringLiteral("26\t"), QStringLiteral("26\t૨૬\tપચ્ચીસ"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("numbers.tsv:%1: say: \"પચ્ચીસ\" is already on line %2")
                    .arg(line)
                    .arg(first)));

    restoreFile(numbers);
    QStringList rows = lines(numbers);
    rows.removeLast();
    write(numbers, rows);
    EXPECT_EQ(s(loadError()), "numbers.tsv: expected 101 rows (0 to 100), found 100");
}

// The numbers and maths levels ask ten questions: a pass mark of 0 passes a
// child who answers nothing, and one above 10 can never be reached.
TEST_F(TablesTest, NumbersAndMathsLevelsPassMarkLiesWithinItsTenQuestions)
{
    for (const int level : {17, 24}) {
        const QString start = QStringLiteral("%1\t").arg(level);
        for (const char *mark : {"11", "0"}) {
            const int line =
                replaceLine(QStringLiteral("levels.tsv"), start,
                            QStringLiteral("%1-\t-\t%2\twhy").arg(start, QLatin1String(mark)));
            EXPECT_EQ(s(loadError()),
                      s(QStringLiteral("levels.tsv:%1: pass_mark: %2 is outside 1 to 10, the "
                                       "questions of level %3's test")
                            .arg(line)
                            .arg(QLatin1String(mark))
                            .arg(level)));
        }
        replaceLine(QStringLiteral("levels.tsv"), start,
                    QStringLiteral("%1-\t-\t10\twhy").arg(start));
        EXPECT_EQ(s(loadError()), "");
    }
}

TEST_F(TablesTest, RowWithAMissingCellNamesFileLineAndCounts)
{
    const int line =
        replaceLine(QStringLiteral("consonants.tsv"), QStringLiteral("g\t"),
                    QStringLiteral("g\tગ\tGA\tગ\tગાજર\t-\t🥕\tગુલાબ\t-"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("consonants.tsv:%1: expected 10 columns, found 9").arg(line)));
}

TEST_F(TablesTest, ExtraTabMakesAnEmptyCellOrAnExtraColumn)
{
    int line =
        replaceLine(QStringLiteral("vowels.tsv"), QStringLiteral("ઈ\t"),
                    QStringLiteral("ઈ\tEE\t\tઈંડું\t-\t🥚\tઈંટ\t-\t🧱"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("vowels.tsv:%1: empty cell in column say").arg(line)));

    line =
        replaceLine(QStringLiteral("vowels.tsv"), QStringLiteral("ઈ\t"),
                    QStringLiteral("ઈ\tEE\tઈ\tઈંડું\t-\t🥚\tઈંટ\t-\t🧱\t"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("vowels.tsv:%1: expected 9 columns, found 10").arg(line)));
}

TEST_F(TablesTest, SpacesInsteadOfATabAreAFault)
{
    const int line = replaceLine(QStringLiteral("numerals.tsv"), QStringLiteral("૨\t"),
                                 QStringLiteral("૨\t2 \tBE\tબે\tબે કેળાં\t-\t🍌\tબે દડા\t-\t⚽"));
    EXPECT_TRUE(loadError().startsWith(QStringLiteral("numerals.tsv:%1: spaces around").arg(line)))
        << s(loadError());
}

TEST_F(TablesTest, UnknownItemOfALevelIsNamed)
{
    const int line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("4\t"),
                                 QStringLiteral("4\tconsonants\tp P b B m y r Q\t8\twhy"));
    EXPECT_EQ(
        s(loadError()),
        s(QStringLiteral("levels.tsv:%1: unknown item \"Q\" (not in consonants.tsv)").arg(line)));

    // Items are matched exactly: "K" is ખ, not ક.
    replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("4\t"),
                QStringLiteral("4\tvowels\tp P b B m y r l\t8\twhy"));
    EXPECT_TRUE(loadError().contains(QStringLiteral("unknown item \"p\" (not in vowels.tsv)")))
        << s(loadError());

    replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("4\t"),
                QStringLiteral("4\tsyllables\tp P b B m y r l\t8\twhy"));
    EXPECT_TRUE(loadError().contains(QStringLiteral("unknown table \"syllables\"")))
        << s(loadError());
}

TEST_F(TablesTest, LevelItemCountMustFitItsExercise)
{
    // An order test has a tile for every letter: seven letters cannot fill eight.
    int line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("1\t"),
                           QStringLiteral("1\tconsonants\tk K g G c C j\t8\twhy"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("levels.tsv:%1: level 1 has 7 items, expected 8: its "
                               "order test has that many tiles")
                    .arg(line)));

    // The letter listening test asks 15 distinct letters.
    restoreLevels();
    line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("9\t"),
                       QStringLiteral("9\tconsonants\tk K g G c C j J t T d D N w\t12\twhy"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("levels.tsv:%1: level 9 has 14 items, expected 15 to 34").arg(line)))
        << s(loadError());

    // A level whose content lies elsewhere takes no items.
    restoreLevels();
    line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("15\t"),
                       QStringLiteral("15\tconsonants\tk\t8\twhy"));
    EXPECT_TRUE(
        loadError().startsWith(QStringLiteral("levels.tsv:%1: level 15 has 1 items").arg(line)))
        << s(loadError());

    // The spelling level's lesson needs a letter: without one the program ends.
    restoreLevels();
    line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("10\t"),
                       QStringLiteral("10\t-\t-\t8\twhy"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("levels.tsv:%1: level 10 has 0 items, expected 1 to 34").arg(line)))
        << s(loadError());
}

TEST_F(TablesTest, DuplicateKeysAndLevelsAreRefused)
{
    const int first = lineOf(QStringLiteral("consonants.tsv"), QStringLiteral("k\t"));
    const int line = replaceLine(
        QStringLiteral("consonants.tsv"), QStringLiteral("K\t"),
        QStringLiteral(
            "k\tખ\tKHA\tખ\tખુરશી\t-\t🪑\tખિસકોલી\t-\t🐿️"));
    EXPECT_EQ(s(loadError()), s(QStringLiteral("consonants.tsv:%1: key \"k\" is already on line %2")
                                    .arg(line)
                                    .arg(first)));

    QStringList levels = lines(QStringLiteral("levels.tsv"));
    const int level1 = lineOf(QStringLiteral("levels.tsv"), QStringLiteral("1\t"));
    levels.append(levels.at(level1 - 1));
    write(QStringLiteral("levels.tsv"), levels);
    restoreConsonants();
    EXPECT_EQ(s(loadError()), s(QStringLiteral("levels.tsv:%1: level 1 is already on line %2")
                                    .arg(levels.size())
                                    .arg(level1)));
}

TEST_F(TablesTest, ItemListedTwiceInALevelIsRefused)
{
    const int line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("1\t"),
                                 QStringLiteral("1\tconsonants\tk K g G c C j k\t8\twhy"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("levels.tsv:%1: item \"k\" is listed twice").arg(line)));
}

TEST_F(TablesTest, BadNumbersAreNamedWithTheirColumn)
{
    int line = replaceLine(QStringLiteral("numerals.tsv"), QStringLiteral("૨\t"),
                           QStringLiteral("૨\ttwo\tBE\tબે\tબે કેળાં\t-\t🍌\tબે દડા\t-\t⚽"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("numerals.tsv:%1: value: expected a whole number, found \"two\"")
                    .arg(line)));

    line = replaceLine(QStringLiteral("numerals.tsv"), QStringLiteral("૨\t"),
                       QStringLiteral("૨\t0\tBE\tબે\tબે કેળાં\t-\t🍌\tબે દડા\t-\t⚽"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("numerals.tsv:%1: value: 0 is outside 1 to 20").arg(line)));

    restoreNumerals();
    line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("12\t"),
                       QStringLiteral("12\tvowel_signs\tA i I u U e E Ae AE > : R.\t-3\twhy"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("levels.tsv:%1: pass_mark: expected a whole number, found \"-3\"")
                    .arg(line)));
}

TEST_F(TablesTest, MissingFileWrongHeaderAndWrongRowCount)
{
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("vowels.tsv"))));
    EXPECT_TRUE(loadError().startsWith(QStringLiteral("vowels.tsv: cannot be read")))
        << s(loadError());

    restoreFile(QStringLiteral("vowels.tsv"));
    const int header = replaceLine(
        QStringLiteral("vowels.tsv"), QStringLiteral("letter\t"),
        QStringLiteral("letter\tsay\tname\tword_a\tsay_a\temoji_a\tword_b\tsay_b\temoji_b"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("vowels.tsv:%1: expected the column names letter name say").arg(header)))
        << s(loadError());

    restoreFile(QStringLiteral("vowels.tsv"));
    QStringList vowels = lines(QStringLiteral("vowels.tsv"));
    vowels.removeAt(lineOf(QStringLiteral("vowels.tsv"), QStringLiteral("ઔ\t")) - 1);
    write(QStringLiteral("vowels.tsv"), vowels);
    EXPECT_EQ(s(loadError()), "vowels.tsv: expected 12 rows, found 11");
}

TEST_F(TablesTest, KeyMustStandForItsLetter)
{
    const int line = replaceLine(
        QStringLiteral("consonants.tsv"), QStringLiteral("g\t"),
        QStringLiteral("g\tઘ\tGA\tગ\tગાજર\t-\t🥕\tગુલાબ\t-\t🌹"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("consonants.tsv:%1: key \"g\" stands for ગ, not ઘ").arg(line)));

    // The spelling words are typed by key: a syllable is no key.
    replaceLine(QStringLiteral("consonants.tsv"), QStringLiteral("g\t"),
                QStringLiteral("g\tગ\tGA\tગ\tગાજર\t-\t🥕\tગુલાબ\t-\t🌹"));
    replaceLine(QStringLiteral("consonants.tsv"), QStringLiteral("k\t"),
                QStringLiteral("kA\tકા\tKAA\tકા\tકૂતરો\t-\t🐕\tકેળું\t-\t🍌"));
    EXPECT_TRUE(
        loadError().endsWith(QStringLiteral("key \"kA\" is not a key of the letter keyboard")))
        << s(loadError());
}

TEST_F(TablesTest, EditorHabitsAreAccepted)
{
    // A byte-order mark and Windows line ends change no cell.
    QFile file(path(QStringLiteral("vowels.tsv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    bytes.replace("\n", "\r\n");
    bytes.prepend("\xEF\xBB\xBF");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    ASSERT_EQ(s(loadError()), "");
    const CourseTables tables = CourseTables::load(folder());
    EXPECT_EQ(s(tables.vowels.first().text), "અ");
    EXPECT_EQ(s(tables.vowels.last().examples.at(1).emoji), "🤫");
}

TEST_F(TablesTest, TextThatIsNotUtf8IsRefused)
{
    QFile file(path(QStringLiteral("numerals.tsv")));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\xff\xfe\n");
    file.close();
    EXPECT_EQ(s(loadError()), "numerals.tsv: is not UTF-8 text");
}

} // namespace

TEST_F(TablesTest, SayCellsAreGujaratiOrPhonemesAndADashIsTheWordAsWritten)
{
    const CourseTables tables = CourseTables::load(folder());
    const coursegen::CourseItem &lla = tables.consonants.at(31);
    ASSERT_EQ(s(lla.text), "ળ");
    EXPECT_EQ(s(lla.examples.at(0).word), "કમળ");
    EXPECT_EQ(s(lla.examples.at(0).say), "[[k@m'Vl.]]");
    // "-": spoken as it is written.
    EXPECT_EQ(s(tables.consonants.at(0).examples.at(0).say), "કૂતરો");
    EXPECT_EQ(s(tables.words.at(0).say), "ઘર");
    EXPECT_EQ(s(tables.words.at(1).say), "[[n'Vl.]]");

    int line = replaceLine(
        QStringLiteral("vowels.tsv"), QStringLiteral("ઈ\t"),
        QStringLiteral("ઈ\tEE\tઈ\tઈંડું\t[['i:n.d.u~\t🥚\tઈંટ\t-\t🧱"));
    EXPECT_EQ(s(loadError()), s(QStringLiteral("vowels.tsv:%1: say_a: \"[['i:n.d.u~\" opens [[ "
                                               "without closing it with ]]")
                                    .arg(line)));
    line = replaceLine(
        QStringLiteral("vowels.tsv"), QStringLiteral("ઈ\t"),
        QStringLiteral("ઈ\tEE\tઈ\tઈંડું\t-\t🥚\tઈંટ\t[[ઈંટ]]\t🧱"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("vowels.tsv:%1: say_b: \"[[ઈંટ]]\" has \"ઈ\" (U+0A88) between [[ and ]]")
            .arg(line)))
        << s(loadError());
    // A letter's say has no word to stand for.
    line = replaceLine(QStringLiteral("vowels.tsv"), QStringLiteral("ઈ\t"),
                       QStringLiteral("ઈ\tEE\t-\tઈંડું\t-\t🥚\tઈંટ\t-\t🧱"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("vowels.tsv:%1: say: \"-\" has \"-\" (U+002D) outside [[ ]]").arg(line)))
        << s(loadError());
    restoreFile(QStringLiteral("vowels.tsv"));

    // Latin letters would be read in English.
    line = replaceLine(QStringLiteral("words.tsv"), QStringLiteral("1\t"),
                       QStringLiteral("1\tઘર\tghar\thouse"));
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("words.tsv:%1: say: \"ghar\" has \"g\" (U+0067) outside [[ ]]").arg(line)))
        << s(loadError());
    restoreFile(QStringLiteral("words.tsv"));
    line = replaceLine(QStringLiteral("numbers.tsv"), QStringLiteral("7\t"),
                       QStringLiteral("7\t૭\t[[ ]]"));
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("numbers.tsv:%1: say: \"[[ ]]\" has no phonemes between [[ and ]]")
                    .arg(line)));
}

TEST_F(TablesTest, StrokeStartsNameADrawnLetterAndCompassPointsOnly)
{
    const CourseTables tables = CourseTables::load(folder());
    EXPECT_EQ(s(tables.vowelSigns.at(3).strokes), "n"); // ◌ુ
    EXPECT_EQ(s(tables.consonants.at(1).strokes), "");  // ખ

    QStringList rows = lines(QStringLiteral("strokes.tsv"));
    rows << QStringLiteral("ખ\tne up\tx");
    write(QStringLiteral("strokes.tsv"), rows);
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("strokes.tsv:%1: starts: \"ne up\" is not a list of compass "
                               "points (n ne e se s sw w nw, separated by spaces)")
                    .arg(rows.size())));

    rows.last() = QStringLiteral("ુ\tn\tthe sign without its circle is not what is drawn");
    write(QStringLiteral("strokes.tsv"), rows);
    EXPECT_TRUE(loadError().startsWith(
        QStringLiteral("strokes.tsv:%1: letter \"ુ\" is not drawn by any table").arg(rows.size())))
        << s(loadError());

    rows.last() = QStringLiteral("◌ુ\tw\ttwice");
    write(QStringLiteral("strokes.tsv"), rows);
    EXPECT_EQ(s(loadError()),
              s(QStringLiteral("strokes.tsv:%1: letter \"◌ુ\" is already on line %2")
                    .arg(rows.size())
                    .arg(lineOf(QStringLiteral("strokes.tsv"), QStringLiteral("◌ુ\t")))));
}
