// A learner through the whole course, on a copy of the program folder the
// build makes, as tests/support/CourseDriver plays it.
#include "platform/controls/SSPanel.h"
#include "platform/db/Recordset.h"
#include "resources/StringTable.h"
#include "shell/UserRows.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/BuildSlowdown.h"
#include "tests/support/CourseDriver.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QDateTime>
#include <QMenu>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>

namespace {

constexpr int Ok = 1;
constexpr int Exclamation = 48;
const QDateTime Backdated(QDate(2001, 1, 1), QTime(9, 0));

// Each level's exercise window, in the course's order.
const QStringList CourseCaptions{"Level 1 - KA to ZA",
                                 "Level 2 - TA to NA",
                                 "Level 3 - KA to NA",
                                 "Level 4 - PA to LA",
                                 "Level 5 - TA to LA",
                                 "Level 6 - VA to GNA",
                                 "Level 7 - PA to GNA",
                                 "Level 8 - KA to GNA",
                                 "Listening",
                                 "Spelling",
                                 "Vowels",
                                 "Listening Vowels",
                                 "Full Alphabets",
                                 "Numbers - 1 to 10",
                                 "Numbers - 1 to 20",
                                 "Numbers - 21 to 40",
                                 "Numbers - 41 to 60",
                                 "Numbers - 61 to 80",
                                 "Numbers - 81 to 100",
                                 "Numbers - 1 to 100",
                                 "Maths - Plus",
                                 "Maths - Minus",
                                 "Maths - Mulitplication",
                                 "Maths - Division",
                                 "Maths - All"};

std::vector<int> levelRange(int first, int last)
{
    std::vector<int> levels(std::size_t(last - first + 1));
    std::iota(levels.begin(), levels.end(), first);
    return levels;
}

// The levels whose menu items a stored level opens.
std::vector<int> levelsUpTo(int stored)
{
    return levelRange(1, std::min(stored, 25));
}

// A new learner, logged in through the login's "New", on the information
// screen.
class CourseJourney : public ::testing::Test
{
protected:
    void SetUp() override
    {
        course.startAsNewLearner(QStringLiteral("Ravi"), QStringLiteral("pw"));
        ASSERT_EQ(stored(), 1);
        backdate();
    }

    static int stored() { return modMain::GetUserLevel(modMain::gUserName, true); }

    static db::Recordset &learnersRow()
    {
        db::Recordset &users = modMain::userRows::users();
        EXPECT_TRUE(modMain::userRows::findUser(users, modMain::gUserName));
        return users;
    }
    static QDateTime lastUpdated()
    {
        return learnersRow().Field(QStringLiteral("LastUpdated")).toDateTime();
    }
    // An old time in the learner's row, so that a store shows as a new one
    // even within the same second.
    void backdate()
    {
        db::Recordset &row = learnersRow();
        row.setField(QStringLiteral("LastUpdated"), Backdated);
        row.Update();
        m_since = QDateTime::currentDateTime();
        m_stored = stored();
    }

    // A learner already at a level, as from an earlier run.
    void storeLevel(int level)
    {
        ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, level), -1);
        course.main().EnableDisableMenus(true);
        backdate();
    }

    // After each level: the stored level as storedAfter says, LastUpdated
    // set now exactly when it moved, and the File menu open up to it.
    void checkEveryLevel(std::function<int(int)> storedAfter)
    {
        course.afterLevel = [this, storedAfter](int level) {
            SCOPED_TRACE(level);
            checked.push_back(level);
            const int now = stored();
            EXPECT_EQ(now, storedAfter(level));
            if (now != m_stored) {
                const QDateTime updated = lastUpdated();
                EXPECT_TRUE(updated >= m_since.addSecs(-1) &&
                            updated <= QDateTime::currentDateTime())
                    << "LastUpdated " << updated.toString(Qt::ISODate).toStdString();
            } else {
                EXPECT_EQ(lastUpdated(), Backdated);
            }
            expectMenusFor(now);
            backdate();
        };
    }

    void expectMenusFor(int storedLevel) const
    {
        const frmMain &form = course.main();
        EXPECT_EQ(course.enabledLevels(), levelsUpTo(storedLevel));
        EXPECT_TRUE(form.mnuFileExercise1->menuAction()->isEnabled());
        EXPECT_EQ(form.mnuFileExercise7->menuAction()->isEnabled(), storedLevel >= 14);
        EXPECT_EQ(form.mnuFileExercise8->menuAction()->isEnabled(), storedLevel >= 21);
    }

    void expectNoneLost(const std::vector<int> &before) const
    {
        const std::vector<int> now = course.enabledLevels();
        EXPECT_TRUE(std::includes(now.begin(), now.end(), before.begin(), before.end()));
    }

    void expectInformationScreen() const
    {
        const frmMain &form = course.main();
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.ssPnlInfo->isVisible());
        EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    }

    // The levels checked, in order.
    std::vector<int> checked;
    ScreenSizeDouble screen{1024, 768};
    ModalWatchdog watchdog{scaledForBuild(30000)};
    CourseDriver course{QStringLiteral(OSTRANA_PROGRAM_FOLDER)};

private:
    QDateTime m_since;
    int m_stored = 0;
};

class WholeCourse : public CourseJourney, public ::testing::WithParamInterface<QSize>
{
protected:
    void SetUp() override
    {
        screen.setSize(GetParam().width(), GetParam().height());
        CourseJourney::SetUp();
    }
};

// Every level in the order the course leads: each pass stores the next
// level, the vowel listening test opens the whole course, the levels after
// it are practised, and the last maths level completes the course.
TEST_P(WholeCourse, ANewLearnerPlaysEveryLevelThroughTheRealWindowsToTheEnd)
{
    checkEveryLevel([](int level) { return level < 12 ? level + 1 : level < 25 ? 25 : 26; });
    for (int level = 1; level <= 25; level = course.lastDone() + 1)
        course.play(level);

    EXPECT_EQ(checked, levelRange(1, 25));
    EXPECT_EQ(stored(), 26);
    EXPECT_EQ(course.captions(), CourseCaptions);
    expectInformationScreen();
    expectMenusFor(25);
    EXPECT_FALSE(watchdog.fired());
}

std::string screenName(const ::testing::TestParamInfo<QSize> &screenSize)
{
    return "At" + std::to_string(screenSize.param.width()) + "x" +
           std::to_string(screenSize.param.height());
}

INSTANTIATE_TEST_SUITE_P(Screens, WholeCourse, ::testing::Values(QSize(1024, 768), QSize(800, 600)),
                         screenName);

// Levels a learner reaches only from an earlier course run: each passed at
// the learner's own level stores the next.
TEST_F(CourseJourney, ALearnerAtLevel14PassesEachLevelAtTheirOwnLevelToTheEnd)
{
    storeLevel(14);
    checkEveryLevel([](int level) { return level + 1; });
    for (int level = 14; level <= 25; level = course.lastDone() + 1)
        course.play(level);

    EXPECT_EQ(checked, levelRange(14, 25));
    EXPECT_EQ(stored(), 26);
    EXPECT_EQ(course.captions(), CourseCaptions.mid(13));
    expectInformationScreen();
}

TEST_F(CourseJourney, ATestFailedThreeTimesStoresNothing)
{
    MessageBoxScript &boxes = course.boxes();
    boxes.expectExactly(resources::LoadResString(107), Exclamation, Ok);
    boxes.expectExactly(resources::LoadResString(107), Exclamation, Ok);
    boxes.expectExactly(resources::LoadResString(108), Exclamation, Ok);
    boxes.expectExactly(resources::LoadResString(109), Exclamation, Ok);
    course.setOrderMistakes(3);
    course.choose(1);
    course.throughLesson();

    EXPECT_EQ(course.captions(), QStringList{"Level 1 - KA to ZA"});
    EXPECT_EQ(stored(), 1);
    EXPECT_EQ(lastUpdated(), Backdated);
    expectInformationScreen();
    expectMenusFor(1);
}

// Practice: going back below the stored level stores nothing and closes no
// item, while the level is played and after; an order or listening pass
// moves the practice level on by one, a keyboard exercise leaves it where it
// was.
class Practice : public CourseJourney
{
protected:
    void practise(int storedLevel, int level, const QString &caption)
    {
        storeLevel(storedLevel);
        const std::vector<int> before = course.enabledLevels();
        ASSERT_EQ(before, levelsUpTo(storedLevel));
        course.afterLevel = [&](int) { expectNoneLost(before); };
        course.play(level);

        EXPECT_EQ(course.captions(), QStringList{caption});
        EXPECT_EQ(stored(), storedLevel);
        EXPECT_EQ(lastUpdated(), Backdated);
        expectNoneLost(before);
        course.afterLevel = nullptr;
    }
};

TEST_F(Practice, Level3AtLevel8LeadsToTheLessonsOfLevel4)
{
    practise(8, 3, QStringLiteral("Level 3 - KA to NA"));
    EXPECT_EQ(modMain::gLevel, 4);
    EXPECT_EQ(course.lessonShown(), 4);
    EXPECT_TRUE(modMain::gLevelDbPath.endsWith(QLatin1String("level4.kdt")));
}

// Practice that catches up: level 4 passed at level 5 leads straight into
// the test of level 5, and its pass stores 6 and ends the practice, so the
// lessons of level 6 follow as after any pass of level 5.
TEST_F(Practice, Level4AtLevel5PassedOnThroughLevel5LeadsToTheLessonsOfLevel6)
{
    storeLevel(5);
    course.play(4);

    EXPECT_EQ(course.captions(), (QStringList{"Level 4 - PA to LA", "Level 5 - TA to LA"}));
    EXPECT_EQ(stored(), 6);
    EXPECT_EQ(modMain::gLevel, 0);
    EXPECT_EQ(course.lessonShown(), 6);
    expectMenusFor(6);

    course.play(6);
    EXPECT_EQ(course.captions().mid(2),
              (QStringList{"Level 6 - VA to GNA", "Level 7 - PA to GNA", "Level 8 - KA to GNA"}));
    EXPECT_EQ(stored(), 9);
}

TEST_F(Practice, Level9AtLevel10MovesThePracticeLevelOnAndComesHome)
{
    practise(10, 9, QStringLiteral("Listening"));
    EXPECT_EQ(modMain::gLevel, 10);
    expectInformationScreen();
}

TEST_F(Practice, Level15AtLevel20KeepsThePracticeLevel)
{
    practise(20, 15, QStringLiteral("Numbers - 1 to 20"));
    EXPECT_EQ(modMain::gLevel, 15);
    expectInformationScreen();
}

TEST_F(Practice, Level12AfterTheLastLevelKeepsTheWholeCourseOpen)
{
    practise(26, 12, QStringLiteral("Listening Vowels"));
    EXPECT_EQ(modMain::gLevel, 13);
    expectInformationScreen();
}

} // namespace
