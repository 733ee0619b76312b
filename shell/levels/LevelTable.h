#pragma once

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
    OrderTest,       // passed when the window's Tag is "Next Level"
    OwnPass,         // the window stores its own pass (letter listening)
    StoredReaches25, // passed when the stored level is 25 afterwards (vowel listening)
    NoTest,          // nothing to pass (syllable chart)
    ByWindow,        // a modeless window judges and stores by itself
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
    int level;
    const char *form;    // the window's form name
    const char *caption; // the window's caption, exactly
    bool modal;
    int numberStage;              // NumberStage to set first, or -1
    int maxWords;                 // MAX_WORDS to set next, or 0
    const char *nextLevelCaption; // of an order test's next-level button, or nullptr
    Judging judging;
    bool exitFlag;    // mblnExit before the dispatcher unloads the window
    int storedOnPass; // the level the dispatcher stores on a pass, or 0
    AfterPass after;
    MenuItem menu;
    OwnLevel ownLevel;
    bool menuHides; // the menu choice hides the main window itself
    MenuCalls menuCalls;
    int tiles; // letters an order test deals (its letter count), else 0
};

inline constexpr int LevelCount = 25;
// The stored level after the last level has been passed.
inline constexpr int CourseDone = LevelCount + 1;

inline constexpr std::array<LevelRow, LevelCount> Table{{
    // clang-format off
    {1, "frmTest8", "Level 1 - KA to ZA", true, -1, 0, nullptr, Judging::OrderTest, false, 2, AfterPass::NextLessons, {1, 0}, OwnLevel::Equal, false, MenuCalls::Lesson, 8},
    {2, "frmTest10", "Level 2 - TA to NA", true, -1, 0, nullptr, Judging::OrderTest, false, 3, AfterPass::NextTest, {1, 1}, OwnLevel::Equal, false, MenuCalls::Lesson, 10},
    {3, "frmTest18", "Level 3 - KA to NA", true, -1, 0, nullptr, Judging::OrderTest, false, 4, AfterPass::NextLessons, {1, 2}, OwnLevel::Equal, false, MenuCalls::Lesson, 18},
    {4, "frmTest8", "Level 4 - PA to LA", true, -1, 0, "Next Test", Judging::OrderTest, false, 5, AfterPass::NextTest, {1, 3}, OwnLevel::Equal, false, MenuCalls::Lesson, 8},
    {5, "frmTest18", "Level 5 - TA to LA", true, -1, 0, nullptr, Judging::OrderTest, false, 6, AfterPass::NextLessons, {1, 4}, OwnLevel::Equal, false, MenuCalls::Lesson, 18},
    {6, "frmTest8", "Level 6 - VA to GNA", true, -1, 0, "Next Test", Judging::OrderTest, false, 7, AfterPass::NextTest, {1, 5}, OwnLevel::Equal, false, MenuCalls::Lesson, 8},
    {7, "frmTest16", "Level 7 - PA to GNA", true, -1, 0, "Final Test", Judging::OrderTest, false, 8, AfterPass::NextTest, {1, 6}, OwnLevel::Equal, false, MenuCalls::Lesson, 16},
    {8, "frmTest34", "Level 8 - KA to GNA", true, -1, 0, nullptr, Judging::OrderTest, false, 9, AfterPass::NextLessons, {1, 7}, OwnLevel::Equal, false, MenuCalls::Lesson, 34},
    {9, "frmLevel9", "Listening", true, -1, 0, nullptr, Judging::OwnPass, true, 0, AfterPass::None, {2, -1}, OwnLevel::AtMost, true, MenuCalls::LessonTestShow, 0},
    {10, "frmLevel10", "Spelling", false, -1, 0, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {3, -1}, OwnLevel::AtMost, true, MenuCalls::LessonTestMainScreen, 0},
    {11, "frmTest12", "Vowels", true, -1, 0, nullptr, Judging::OrderTest, false, 12, AfterPass::InformationScreen, {4, -1}, OwnLevel::Equal, false, MenuCalls::Lesson, 12},
    {12, "frmLevel19", "Listening Vowels", true, -1, 0, nullptr, Judging::StoredReaches25, true, 0, AfterPass::InformationScreen, {5, -1}, OwnLevel::AtMost, true, MenuCalls::LessonTestShow, 0},
    {13, "frmLevel25", "Full Alphabets", true, -1, 0, nullptr, Judging::NoTest, false, 0, AfterPass::None, {6, -1}, OwnLevel::AtMost, true, MenuCalls::TestShow, 0},
    {14, "frmTest10", "Numbers - 1 to 10", true, -1, 0, nullptr, Judging::OrderTest, false, 15, AfterPass::InformationScreen, {7, 0}, OwnLevel::Equal, false, MenuCalls::Lesson, 10},
    {15, "frmLevel12", "Numbers - 1 to 20", false, 1, 20, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {7, 1}, OwnLevel::AtMost, false, MenuCalls::TestMainScreen, 0},
    {16, "frmLevel12", "Numbers - 21 to 40", false, 2, 20, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {7, 2}, OwnLevel::AtMost, false, MenuCalls::TestMainScreen, 0},
    {17, "frmLevel12", "Numbers - 41 to 60", false, 3, 20, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {7, 3}, OwnLevel::AtMost, false, MenuCalls::TestMainScreen, 0},
    {18, "frmLevel12", "Numbers - 61 to 80", false, 4, 20, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {7, 4}, OwnLevel::AtMost, false, MenuCalls::TestMainScreen, 0},
    {19, "frmLevel12", "Numbers - 81 to 100", false, 5, 20, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {7, 5}, OwnLevel::AtMost, false, MenuCalls::TestMainScreen, 0},
    {20, "frmLevel12", "Numbers - 1 to 100", false, 0, 100, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {7, 6}, OwnLevel::AtMost, false, MenuCalls::TestMainScreen, 0},
    {21, "frmLevel20", "Maths - Plus", false, 1, 50, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {8, 0}, OwnLevel::AtMost, true, MenuCalls::Test, 0},
    {22, "frmLevel20", "Maths - Minus", false, 2, 50, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {8, 1}, OwnLevel::AtMost, true, MenuCalls::Test, 0},
    {23, "frmLevel20", "Maths - Mulitplication", false, 3, 50, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {8, 2}, OwnLevel::AtMost, true, MenuCalls::Test, 0},
    {24, "frmLevel20", "Maths - Division", false, 4, 50, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {8, 3}, OwnLevel::AtMost, true, MenuCalls::Test, 0},
    {25, "frmLevel20", "Maths - All", false, 5, 50, nullptr, Judging::ByWindow, false, 0, AfterPass::None, {8, 4}, OwnLevel::AtMost, true, MenuCalls::Test, 0},
    // clang-format on
}};

// The row of a level from 1 to 25; nullptr for any other.
constexpr const LevelRow *row(int level)
{
    return level >= 1 && level <= LevelCount ? &Table[std::size_t(level - 1)] : nullptr;
}

// Levels 3, 5 and 7: leaving their test without the next-level button
// stores the level again.
constexpr bool restoresOnLeaving(int level)
{
    return level == 3 || level == 5 || level == 7;
}

// The letter lesson of level 11 shows the instruction strip
// "numberinstruction2.gif" instead of "instruction2.gif".
constexpr bool showsNumberInstruction(int level)
{
    return level == 11;
}

} // namespace levels
