#pragma once

#include "shell/levels/RowBuilder.h"

#include <array>
#include <cstddef>

// The course's 25 levels in one place: which window runs each level's
// exercise and how the main window treats it, from the menu choice to what
// follows a pass. Plain data, so the content tool and the tests read the
// same table as the program.
namespace levels {

// How the dispatcher learns the outcome of a level's window.
enum class Judging
{
    OrderTest,         // passed when the window's Tag is "Next Level"
    OwnPass,           // the window stores its own pass (letter listening)
    StoredReachesPass, // passed when the stored level is what a pass stores (vowel listening)
    NoTest,            // nothing to pass (syllable chart)
    ByWindow,          // a modeless window judges and stores by itself
};

// Where the learner goes after a pass judged by the dispatcher.
enum class AfterPass
{
    None,
    NextLessons,       // the letter lessons of the new level
    NextTest,          // the new level's test at once
    InformationScreen, // back home
};

// A menu choice's own-level rule: when the stored level R counts as the
// learner's own level L (otherwise L becomes the practice level).
enum class OwnLevel
{
    Equal,  // R = L
    AtMost, // R <= L
};

// What a menu choice does after its prologue.
enum class MenuCalls
{
    Lesson,               // RunLevel
    LessonTestShow,       // RunLevel, RunLevelTest, show the main window
    LessonTestMainScreen, // RunLevel, RunLevelTest, MainScreen
    TestShow,             // RunLevelTest, show the main window
    TestMainScreen,       // RunLevelTest, MainScreen
    Test,                 // RunLevelTest
};

// The File-menu item that opens a level: "Exercise &N", and the index of
// the item in its submenu, or -1 where the exercise has none.
struct MenuItem
{
    int exercise;
    int item;
};

struct LevelRow
{
    int level = 0;
    const char *form = nullptr;    // the window's form name
    const char *caption = nullptr; // the window's caption, exactly
    bool modal = true;
    int numberStage = -1;                   // NumberStage to set first, or -1
    int maxWords = 0;                       // MAX_WORDS to set next, or 0
    const char *nextLevelCaption = nullptr; // of an order test's next-level button, or nullptr
    Judging judging = Judging::NoTest;
    bool exitFlag = false; // mblnExit before the dispatcher unloads the window
    // The level a pass stores; 0: the stored level plus one.
    int storedOnPass = 0;
    AfterPass after = AfterPass::None;
    MenuItem menu{0, -1};
    OwnLevel ownLevel = OwnLevel::AtMost;
    bool menuHides = false; // the menu choice hides the main window itself
    MenuCalls menuCalls = MenuCalls::Test;
    int tiles = 0; // letters an order test deals (its letter count), else 0
    // Leaving the test without the next-level button stores this level
    // again, taking back the pass the test stored.
    bool takesPassBackOnLeaving = false;
    // A pass while practising this level offers the next level.
    bool nextLevelWhilePractising = true;
    // When a test leaves this level stored, the main window opens its
    // lessons; otherwise it goes home.
    bool lessonAfterTest = true;
    // The lesson shows the instruction strip "numberinstruction2.gif"
    // instead of "instruction2.gif".
    bool numberInstruction = false;
};

// Builds a row with each value named where it is given; a kind of window
// starts from what its rows share.
class Row : public RowBuilder<Row, LevelRow>
{
public:
    constexpr Row(int level, const char *form, const char *caption)
    {
        m_row.level = level;
        m_row.form = form;
        m_row.caption = caption;
    }

    constexpr Row modeless() const { return with(&LevelRow::modal, false); }
    constexpr Row stage(int numberStage, int maxWords) const
    {
        return with(&LevelRow::numberStage, numberStage).with(&LevelRow::maxWords, maxWords);
    }
    constexpr Row nextLevelCaption(const char *text) const
    {
        return with(&LevelRow::nextLevelCaption, text);
    }
    constexpr Row judging(Judging how) const { return with(&LevelRow::judging, how); }
    constexpr Row exitFlag() const { return with(&LevelRow::exitFlag, true); }
    constexpr Row storedOnPass(int level) const { return with(&LevelRow::storedOnPass, level); }
    constexpr Row after(AfterPass where) const { return with(&LevelRow::after, where); }
    constexpr Row menu(int exercise, int item) const
    {
        return with(&LevelRow::menu, MenuItem{exercise, item});
    }
    constexpr Row ownLevel(OwnLevel rule) const { return with(&LevelRow::ownLevel, rule); }
    constexpr Row menuHides() const { return with(&LevelRow::menuHides, true); }
    constexpr Row menuCalls(MenuCalls calls) const { return with(&LevelRow::menuCalls, calls); }
    constexpr Row tiles(int count) const { return with(&LevelRow::tiles, count); }
    constexpr Row takesPassBackOnLeaving() const
    {
        return with(&LevelRow::takesPassBackOnLeaving, true);
    }
    constexpr Row noNextLevelWhilePractising() const
    {
        return with(&LevelRow::nextLevelWhilePractising, false);
    }
    constexpr Row homeAfterTest() const { return with(&LevelRow::lessonAfterTest, false); }
    constexpr Row numberInstruction() const { return with(&LevelRow::numberInstruction, true); }
};

// A letter-order test: its lessons first, a pass stores the next level.
constexpr Row orderTest(int level, const char *form, const char *caption)
{
    return Row(level, form, caption)
        .judging(Judging::OrderTest)
        .storedOnPass(level + 1)
        .ownLevel(OwnLevel::Equal)
        .menuCalls(MenuCalls::Lesson);
}

// A listening test: its lessons first, then the test, which stores its pass.
constexpr Row listeningTest(int level, const char *form, const char *caption)
{
    return Row(level, form, caption).exitFlag().menuHides().menuCalls(MenuCalls::LessonTestShow);
}

// A window the learner closes, which stores its own pass.
constexpr Row keyboardTest(int level, const char *form, const char *caption)
{
    return Row(level, form, caption).modeless().judging(Judging::ByWindow);
}

inline constexpr int LevelCount = 25;
// The stored level after the last level has been passed.
inline constexpr int CourseDone = LevelCount + 1;

inline constexpr std::array<LevelRow, LevelCount> Table{{
    orderTest(1, "frmTest8", "Level 1 - KA to ZA")
        .tiles(8)
        .after(AfterPass::NextLessons)
        .menu(1, 0),
    orderTest(2, "frmTest10", "Level 2 - TA to NA").tiles(10).after(AfterPass::NextTest).menu(1, 1),
    orderTest(3, "frmTest18", "Level 3 - KA to NA")
        .tiles(18)
        .after(AfterPass::NextLessons)
        .menu(1, 2)
        .takesPassBackOnLeaving(),
    orderTest(4, "frmTest8", "Level 4 - PA to LA")
        .tiles(8)
        .nextLevelCaption("Next Test")
        .after(AfterPass::NextTest)
        .menu(1, 3),
    orderTest(5, "frmTest18", "Level 5 - TA to LA")
        .tiles(18)
        .after(AfterPass::NextLessons)
        .menu(1, 4)
        .takesPassBackOnLeaving(),
    orderTest(6, "frmTest8", "Level 6 - VA to GNA")
        .tiles(8)
        .nextLevelCaption("Next Test")
        .after(AfterPass::NextTest)
        .menu(1, 5),
    orderTest(7, "frmTest16", "Level 7 - PA to GNA")
        .tiles(16)
        .nextLevelCaption("Final Test")
        .after(AfterPass::NextTest)
        .menu(1, 6)
        .takesPassBackOnLeaving(),
    orderTest(8, "frmTest34", "Level 8 - KA to GNA")
        .tiles(34)
        .after(AfterPass::NextLessons)
        .menu(1, 7)
        .noNextLevelWhilePractising(),
    listeningTest(9, "frmLevel9", "Listening")
        .judging(Judging::OwnPass)
        .menu(2, -1)
        .homeAfterTest(),
    keyboardTest(10, "frmLevel10", "Spelling")
        .menu(3, -1)
        .menuHides()
        .menuCalls(MenuCalls::LessonTestMainScreen)
        .homeAfterTest(),
    orderTest(11, "frmTest12", "Vowels")
        .tiles(12)
        .after(AfterPass::InformationScreen)
        .menu(4, -1)
        .noNextLevelWhilePractising()
        .homeAfterTest()
        .numberInstruction(),
    listeningTest(12, "frmLevel19", "Listening Vowels")
        .judging(Judging::StoredReachesPass)
        .storedOnPass(25)
        .after(AfterPass::InformationScreen)
        .menu(5, -1),
    Row(13, "frmLevel25", "Full Alphabets").menu(6, -1).menuHides().menuCalls(MenuCalls::TestShow),
    orderTest(14, "frmTest10", "Numbers - 1 to 10")
        .tiles(10)
        .after(AfterPass::InformationScreen)
        .menu(7, 0)
        .homeAfterTest(),
    keyboardTest(15, "frmLevel12", "Numbers - 1 to 20")
        .stage(1, 20)
        .menu(7, 1)
        .menuCalls(MenuCalls::TestMainScreen),
    keyboardTest(16, "frmLevel12", "Numbers - 21 to 40")
        .stage(2, 20)
        .menu(7, 2)
        .menuCalls(MenuCalls::TestMainScreen),
    keyboardTest(17, "frmLevel12", "Numbers - 41 to 60")
        .stage(3, 20)
        .menu(7, 3)
        .menuCalls(MenuCalls::TestMainScreen),
    keyboardTest(18, "frmLevel12", "Numbers - 61 to 80")
        .stage(4, 20)
        .menu(7, 4)
        .menuCalls(MenuCalls::TestMainScreen),
    keyboardTest(19, "frmLevel12", "Numbers - 81 to 100")
        .stage(5, 20)
        .menu(7, 5)
        .menuCalls(MenuCalls::TestMainScreen),
    keyboardTest(20, "frmLevel12", "Numbers - 1 to 100")
        .stage(0, 100)
        .menu(7, 6)
        .menuCalls(MenuCalls::TestMainScreen),
    keyboardTest(21, "frmLevel20", "Maths - Plus").stage(1, 50).menu(8, 0).menuHides(),
    keyboardTest(22, "frmLevel20", "Maths - Minus").stage(2, 50).menu(8, 1).menuHides(),
    keyboardTest(23, "frmLevel20", "Maths - Mulitplication").stage(3, 50).menu(8, 2).menuHides(),
    keyboardTest(24, "frmLevel20", "Maths - Division").stage(4, 50).menu(8, 3).menuHides(),
    keyboardTest(25, "frmLevel20", "Maths - All").stage(5, 50).menu(8, 4).menuHides(),
}};

// The row of a level from 1 to 25; nullptr for any other.
constexpr const LevelRow *row(int level)
{
    return level >= 1 && level <= LevelCount ? &Table[std::size_t(level - 1)] : nullptr;
}

} // namespace levels
