#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/db/Variant.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/levels/LevelTable.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/shell/LessonLevels.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedExercise.h"

#include <QMenu>
#include <QTest>

#include <map>

namespace {

using Outcome = ScriptedExercise::Outcome;

QString lastUpdated()
{
    for (modMain::gRsUsers->MoveFirst(); !modMain::gRsUsers->Eof(); modMain::gRsUsers->MoveNext()) {
        if (modMain::gRsUsers->Field(QStringLiteral("UserName")).toString() == modMain::gUserName)
            return modMain::gRsUsers->Field(QStringLiteral("LastUpdated")).toString();
    }
    return {};
}

// The main window on the information screen, two letters in every level's
// database, and tests whose outcome each test sets per level.
class Dispatcher : public MainWindowFixture
{
protected:
    Dispatcher()
    {
        for (int level = 1; level <= levels::LevelCount; ++level)
            addLessonLetters(folder, level);
        form.Load();
    }

    void logIn(int stored)
    {
        storeLevel(stored);
        modMain::SetLevel(-1);
        form.EnableDisableMenus(true);
        form.Show();
    }

    // Through a lesson of two letters to its test.
    void takeTheTest()
    {
        ASSERT_TRUE(form.pnl3dLetter->isVisible());
        form.cmdNext->click();
        ASSERT_EQ(form.cmdNext->Caption(), QStringLiteral("&Test"));
        form.cmdNext->click();
    }

    static QStringList captionsShown()
    {
        QStringList captions;
        for (const ScriptedExercise::Record &record : ScriptedExercise::records())
            captions.append(record.caption);
        return captions;
    }

    std::map<int, Outcome> outcomes;
    ScriptedExercise::Installation tests{[this](int level) {
        const auto found = outcomes.find(level);
        return found == outcomes.end() ? Outcome::Leave : found->second;
    }};
    MessageBoxScript noBoxes;
    ModalWatchdog watchdog{30000};
    frmMain form;
};

TEST(LevelTable, NamesEveryLevelsWindowAndHowItRuns)
{
    const QStringList orderTests = {"frmTest8",  "frmTest10", "frmTest12",
                                    "frmTest16", "frmTest18", "frmTest34"};
    for (const levels::LevelRow &row : levels::Table) {
        SCOPED_TRACE(row.level);
        EXPECT_EQ(levels::row(row.level), &row);
        const QString form = QString::fromLatin1(row.form);
        // An order test deals as many tiles as its window is named after.
        if (orderTests.contains(form)) {
            EXPECT_EQ(row.tiles, form.mid(7).toInt());
            EXPECT_EQ(row.storedOnPass, row.level + 1);
            EXPECT_EQ(row.judging, levels::Judging::OrderTest);
        } else {
            EXPECT_EQ(row.tiles, 0);
        }
        // The numbers and maths windows, and spelling, are the modeless ones.
        EXPECT_EQ(row.modal, row.level != 10 && row.level < 15);
        EXPECT_EQ(row.numberStage >= 0, row.level >= 15);
    }
    EXPECT_EQ(levels::row(0), nullptr);
    EXPECT_EQ(levels::row(26), nullptr);
    EXPECT_STREQ(levels::row(7)->nextLevelCaption, "Final Test");
    EXPECT_STREQ(levels::row(23)->caption, "Maths - Mulitplication");
    EXPECT_EQ(levels::row(20)->numberStage, 0);
    EXPECT_EQ(levels::row(20)->maxWords, 100);
}

TEST_F(Dispatcher, APassLeadsToTheNextLevelsLessons)
{
    logIn(1);
    outcomes[1] = Outcome::Pass;
    form.mnuFileExercise1Item[0]->trigger();
    takeTheTest();

    ASSERT_EQ(captionsShown(), QStringList{"Level 1 - KA to ZA"});
    const ScriptedExercise::Record &test = ScriptedExercise::records()[0];
    EXPECT_TRUE(test.modal);
    EXPECT_TRUE(test.unloaded);
    EXPECT_FALSE(test.exitAtUnload);
    EXPECT_TRUE(test.noMessageBoxAtUnload);
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 2);
    EXPECT_TRUE(form.mnuFileExercise1Item[1]->isEnabled());
    // The lessons of level 2, from their first letter.
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.LetterLabel->text(), lessonPronunciation(2, 1));
    EXPECT_EQ(form.cmdNext->Caption(), QStringLiteral("&Next"));
    EXPECT_EQ(form.cmdBack->Caption(), QStringLiteral("&Main Menu"));
}

TEST_F(Dispatcher, PassingSixSevenAndEightRunsThreeTestsBackToBack)
{
    logIn(6);
    outcomes = {{6, Outcome::Pass}, {7, Outcome::Pass}, {8, Outcome::Pass}};
    form.mnuFileExercise1Item[5]->trigger();
    takeTheTest();

    EXPECT_EQ(captionsShown(),
              (QStringList{"Level 6 - VA to GNA", "Level 7 - PA to GNA", "Level 8 - KA to GNA"}));
    const auto &records = ScriptedExercise::records();
    EXPECT_EQ(records[0].nextLevelCaption, QStringLiteral("Next Test"));
    EXPECT_EQ(records[1].nextLevelCaption, QStringLiteral("Final Test"));
    EXPECT_EQ(records[2].nextLevelCaption, QString());
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 9);
    // After the alphabet, home, with the listening test open.
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.mnuFileExercise2->isEnabled());
}

TEST_F(Dispatcher, APractisedPassMovesOnToTheLevelAfterItAndStoresNothing)
{
    logIn(8);
    outcomes[3] = Outcome::Pass;
    form.mnuFileExercise1Item[2]->trigger();
    ASSERT_EQ(modMain::gLevel, 3);
    takeTheTest();

    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 8);
    EXPECT_EQ(modMain::gLevel, 4);
    EXPECT_EQ(form.LetterLabel->text(), lessonPronunciation(4, 1));
    EXPECT_TRUE(form.mnuFileExercise1Item[7]->isEnabled());
}

// A practice that catches up with the stored level and passes that level
// too has stored a new level: the practice ends there, and the learner is
// led on exactly as after a pass at their own level.
TEST_F(Dispatcher, APractisedPassThatCatchesUpLeadsOnAsAPassAtTheOwnLevel)
{
    struct After
    {
        QStringList captions;
        int stored = 0;
        int practice = 0;
        QString lesson; // the first letter shown, or empty at home
    };
    const auto after = [this](int earlierTests) {
        After seen;
        const QStringList captions = captionsShown();
        seen.captions = captions.mid(earlierTests);
        seen.stored = modMain::GetUserLevel(modMain::gUserName, true);
        seen.practice = modMain::gLevel;
        if (!form.mnuFile->menuAction()->isVisible())
            seen.lesson = form.LetterLabel->text();
        // Home again for the next run.
        if (form.pnl3dLetter->isVisible())
            form.cmdBack->click();
        return seen;
    };

    int paths = 0;
    for (const levels::LevelRow &row : levels::Table) {
        const levels::LevelRow *before = levels::row(row.level - 1);
        if (before == nullptr || before->judging != levels::Judging::OrderTest ||
            row.judging != levels::Judging::OrderTest || before->after == levels::AfterPass::None ||
            before->after == levels::AfterPass::InformationScreen)
            continue;
        ++paths;
        // Passed and gone on with the next-level button, or passed and left:
        // at levels 3, 5 and 7 leaving takes the pass back, after a practice
        // that caught up as after any other pass.
        for (const Outcome last : {Outcome::Pass, Outcome::PassThenLeave}) {
            SCOPED_TRACE(::testing::Message()
                         << "level " << row.level << ", outcome " << int(last));
            logIn(row.level);
            outcomes = {{row.level, last}};
            ScriptedExercise::records().clear();
            form.mnuFileExercise1Item.at(std::size_t(row.level - 1))->trigger();
            takeTheTest();
            const After own = after(1);

            logIn(row.level);
            outcomes = {{before->level, Outcome::Pass}, {row.level, last}};
            ScriptedExercise::records().clear();
            form.mnuFileExercise1Item.at(std::size_t(before->level - 1))->trigger();
            ASSERT_EQ(modMain::gLevel, before->level);
            takeTheTest();
            if (before->after == levels::AfterPass::NextLessons)
                takeTheTest();
            const After caughtUp = after(2);

            EXPECT_EQ(caughtUp.captions, own.captions);
            EXPECT_EQ(caughtUp.stored, own.stored);
            EXPECT_EQ(caughtUp.practice, 0);
            EXPECT_EQ(caughtUp.lesson, own.lesson);
            EXPECT_TRUE(form.isVisible());
        }
    }
    EXPECT_EQ(paths, 7) << "levels 2 to 8, each reached from the level before";
}

TEST_F(Dispatcher, LeavingLevelThreeAfterAPassTakesThePassBackButNeverWhilePractising)
{
    logIn(3);
    outcomes[3] = Outcome::PassThenLeave;
    const QString before = lastUpdated();
    QTest::qWait(1100); // LastUpdated counts seconds
    form.mnuFileExercise1Item[2]->trigger();
    takeTheTest();
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 3);
    EXPECT_NE(lastUpdated(), before);
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());

    // Practising level 3 with level 4 stored: the learner's level stays.
    storeLevel(4);
    form.mnuFileExercise1Item[2]->trigger();
    ASSERT_EQ(modMain::gLevel, 3);
    takeTheTest();
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 4);

    // Level 2 left after a pass keeps what the test stored.
    storeLevel(2);
    outcomes[2] = Outcome::PassThenLeave;
    form.mnuFileExercise1Item[1]->trigger();
    takeTheTest();
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 3);
}

TEST_F(Dispatcher, ALevelWithoutItsWindowOpensNothing)
{
    levels::clearWindows();
    logIn(9);
    form.mnuFileExercise2->trigger();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 9);
}

TEST_F(Dispatcher, ExerciseSixOpensTheSyllableChartModallyAndComesBackToTheMainWindow)
{
    logIn(13);
    form.mnuFileExercise6->trigger();

    ASSERT_EQ(ScriptedExercise::records().size(), 1);
    const ScriptedExercise::Record &shown = ScriptedExercise::records()[0];
    EXPECT_EQ(shown.formName, QStringLiteral("frmLevel25"));
    EXPECT_EQ(shown.caption, QStringLiteral("Full Alphabets"));
    EXPECT_TRUE(shown.modal);
    EXPECT_EQ(shown.levelShown, 13);
    EXPECT_TRUE(shown.unloaded);
    EXPECT_TRUE(form.isVisible());
    // Nothing to pass: the stored level stays.
    EXPECT_EQ(modMain::GetUserLevel(modMain::gUserName, true), 13);
}

TEST_F(Dispatcher, ANumbersLevelOpensItsWindowModelessWithItsStageAndRange)
{
    logIn(20);
    form.mnuFileExercise7Item[2]->trigger();

    ASSERT_EQ(ScriptedExercise::records().size(), 1);
    const ScriptedExercise::Record &shown = ScriptedExercise::records()[0];
    EXPECT_EQ(shown.formName, QStringLiteral("frmLevel12"));
    EXPECT_EQ(shown.caption, QStringLiteral("Numbers - 21 to 40"));
    EXPECT_FALSE(shown.modal);
    EXPECT_EQ(shown.numberStageAtLoad, 2);
    EXPECT_EQ(shown.maxWordsAtLoad, 20);
    EXPECT_EQ(shown.levelShown, 16);
    // The window is the learner's now; the main window waits hidden for it.
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(shown.unloaded);
}

} // namespace
