#include "exercises/letters/RegisterWindows.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/db/Database.h"
#include "shell/levels/LevelTable.h"
#include "shell/modMain.h"
#include "tests/robust/LevelDataFixture.h"

#include <QAction>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int LetterOrder = 1;
constexpr int VowelOrder = 11;
constexpr int LetterListening = 9;
constexpr int VowelListening = 12;
constexpr int SyllableChart = 13;

// The last letter's picture or recording (column) pointing at a stored path;
// with bytes, the file there is made of them.
Spoiling lastLetter(std::string name, const char *column, const QString &stored, bool bytes = false)
{
    return {std::move(name), [column, stored, bytes](TempProgramFolder &folder, int level) {
                if (bytes)
                    folder.addFile(stored.mid(1), spoilings::randomBytes());
                db::Database::openExisting(folder.levelDatabase(level))
                    ->exec(QStringLiteral("UPDATE Letters SET %1 = '%2' WHERE ID = "
                                          "(SELECT MAX(ID) FROM Letters)")
                               .arg(QLatin1String(column), stored));
            }};
}

std::vector<Spoiling> pictures()
{
    return {
        lastLetter("PictureNowhere", "LetterPicture", QStringLiteral("\\letters\\nowhere.png")),
        lastLetter("PictureFolder", "LetterPicture", QStringLiteral("\\letters")),
        lastLetter("PictureBytes", "LetterPicture", QStringLiteral("\\spoilt.png"), true),
    };
}

std::vector<Spoiling> recordings()
{
    return {
        lastLetter("RecordingNowhere", "LetterSound", QStringLiteral("\\letters\\nowhere.mp3")),
        lastLetter("RecordingFolder", "LetterSound", QStringLiteral("\\letters")),
        lastLetter("RecordingBytes", "LetterSound", QStringLiteral("\\spoilt.mp3"), true),
    };
}

Spoiling maxLetter(std::string name, const char *value)
{
    return spoilings::sql(std::move(name),
                          QStringLiteral("UPDATE Configuration SET MaxLetter = %1").arg(value));
}

std::vector<LevelCase> cases()
{
    std::vector<LevelCase> all;
    const auto add = [&all](int level, const std::vector<Spoiling> &spoilt) {
        for (const Spoiling &s : spoilt)
            all.push_back({level, s});
    };
    add(LetterOrder, {spoilings::nothing()});
    add(LetterOrder, pictures());
    add(VowelOrder, {pictures().back()});

    add(LetterListening, {spoilings::nothing()});
    add(LetterListening, recordings());
    add(LetterListening, {pictures().back()});
    add(LetterListening, spoilings::passMarks());
    // A mark the letter test's 15 questions could reach, the vowels' 12 not.
    add(VowelListening,
        {spoilings::nothing(), recordings().back(),
         spoilings::sql("PassMarkAboveQuestions", QStringLiteral("UPDATE Exam SET PassMark = 13")),
         spoilings::sql("NoExamRow", QStringLiteral("DELETE FROM Exam"))});

    add(SyllableChart,
        {spoilings::nothing(), spoilings::missing(), spoilings::empty(), spoilings::garbage(),
         spoilings::sql("NoConfigurationTable", QStringLiteral("DROP TABLE Configuration")),
         maxLetter("NullMaxLetter", "NULL"), maxLetter("ZeroMaxLetter", "0"),
         maxLetter("NegativeMaxLetter", "-5")});
    return all;
}

class LetterLevelData : public LevelDataFixture, public ::testing::WithParamInterface<LevelCase>
{
protected:
    LetterLevelData() { exercises::letters::registerWindows(); }

    QAction *menuItem(int level) const
    {
        switch (level) {
        case LetterListening:
            return main.mnuFileExercise2;
        case VowelOrder:
            return main.mnuFileExercise4;
        case VowelListening:
            return main.mnuFileExercise5;
        case SyllableChart:
            return main.mnuFileExercise6;
        default:
            return main.mnuFileExercise1Item.at(std::size_t(level - 1));
        }
    }

    // The choice, and for an order test its lesson through to the test.
    void chooseLevel(int level)
    {
        menuItem(level)->trigger();
        if (levels::row(level)->judging != levels::Judging::OrderTest)
            return;
        for (int letter = 1; letter <= modMain::gLetterCount; ++letter) {
            ASSERT_TRUE(main.pnl3dLetter->isVisible()) << letter;
            main.cmdNext->click();
        }
    }
};

TEST_P(LetterLevelData, AWindowThatCannotServeNeverOpensAndTheReportComesOverTheHomeScreen)
{
    const LevelCase &c = GetParam();
    prepare(c);
    const Choice choice =
        choose(QString::fromLatin1(levels::row(c.level)->form), [&] { chooseLevel(c.level); });
    expectOutcome(choice, c, menuItem(c.level));
}

INSTANTIATE_TEST_SUITE_P(SpoiltCopies, LetterLevelData, ::testing::ValuesIn(cases()),
                         [](const auto &row) { return caseName(row.param); });

} // namespace
