#include "exercises/keyboard/RegisterWindows.h"
#include "shell/levels/LevelTable.h"
#include "tests/robust/LevelDataFixture.h"

#include <QAction>

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

bool isMaths(int level)
{
    return level >= 21;
}

// The first and last word a level's window may ask, by their WordLetter ids.
std::pair<int, int> letterIds(int level)
{
    if (level == 10)
        return {1, 60};
    if (level == 20)
        return {1, 100};
    const int first = 1 + 20 * (level - 15);
    return {first, first + 19};
}

// What spoils the words a level's window asks.
std::vector<Spoiling> wordSpoilings(int level)
{
    const auto [first, last] = letterIds(level);
    return {
        spoilings::sql("NoWordsTable", QStringLiteral("DROP TABLE Words")),
        spoilings::sql("NoWordLetterTable", QStringLiteral("DROP TABLE WordLetter")),
        spoilings::sql(
            "LetterOfNoKey",
            QStringLiteral("UPDATE WordLetter SET KeyboardId = 999 WHERE WordID = %1").arg(last)),
        spoilings::sql(
            "NullLetter",
            QStringLiteral("UPDATE WordLetter SET KeyboardId = NULL WHERE WordID = %1").arg(first)),
    };
}

// The whole file, and the key set every keyboard window reads.
std::vector<Spoiling> fileAndKeySpoilings()
{
    return {
        spoilings::missing(),
        spoilings::empty(),
        spoilings::garbage(),
        spoilings::text(),
        spoilings::sql("NoKeyTable", QStringLiteral("DROP TABLE KeyboardCharSet")),
        // One row fewer than the keyboard's keys.
        spoilings::sql("KeyMissing",
                       QStringLiteral("DELETE FROM KeyboardCharSet WHERE KeyboardID = "
                                      "(SELECT MAX(KeyboardID) FROM KeyboardCharSet)")),
    };
}

// Every spoiling on one level of each window (and the numbers' full mode
// for the words), the whole file spoilt on the others.
std::vector<LevelCase> cases()
{
    std::vector<LevelCase> all;
    const auto add = [&all](int level, const std::vector<Spoiling> &spoilt) {
        for (const Spoiling &s : spoilt)
            all.push_back({level, s});
    };
    for (int level : {10, 17, 20, 25}) {
        add(level, {spoilings::nothing()});
        if (level != 20)
            add(level, fileAndKeySpoilings());
        if (!isMaths(level))
            add(level, wordSpoilings(level));
        if (level != 20)
            add(level, spoilings::passMarks());
    }
    for (int level : {15, 21})
        add(level,
            {spoilings::missing(), spoilings::empty(), spoilings::garbage(), spoilings::text()});
    return all;
}

class KeyboardLevelData : public LevelDataFixture, public ::testing::WithParamInterface<LevelCase>
{
protected:
    KeyboardLevelData() { exercises::keyboard::registerWindows(); }

    QAction *menuItem(int level) const
    {
        if (level == 10)
            return main.mnuFileExercise3;
        if (isMaths(level))
            return main.mnuFileExercise8Item.at(std::size_t(level - 21));
        return main.mnuFileExercise7Item.at(std::size_t(level - 14));
    }
};

TEST_P(KeyboardLevelData, AWindowThatCannotServeNeverOpensAndTheReportComesOverTheHomeScreen)
{
    const LevelCase &c = GetParam();
    prepare(c);
    const Choice choice = choose(QString::fromLatin1(levels::row(c.level)->form),
                                 [&] { menuItem(c.level)->trigger(); });
    expectOutcome(choice, c, menuItem(c.level));
}

INSTANTIATE_TEST_SUITE_P(SpoiltCopies, KeyboardLevelData, ::testing::ValuesIn(cases()),
                         [](const auto &row) { return caseName(row.param); });

} // namespace
