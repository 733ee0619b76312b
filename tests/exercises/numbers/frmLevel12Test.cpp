#include "exercises/keyboard/numbers/frmLevel12.h"

#include "course/schema/Writer.h"
#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/core/Paths.h"
#include "platform/forms/Forms.h"
#include "resources/Icons.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WordLevel.h"
#include "tests/support/WordRowProbe.h"
#include "tests/support/WordWindowTest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QSet>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using services::MessageBoxAnswer::No;
using services::MessageBoxAnswer::Ok;
using services::MessageBoxAnswer::Yes;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int Confirmation = 292;
const QString NoNumber = QStringLiteral("The Number must have at least 1 number");
const QString NoWord = QStringLiteral("The word must have at least 1 characters");

using Digits = std::vector<int>;

// The first number of a level's range.
int firstNumber(int level)
{
    return level == 20 ? 1 : 1 + 20 * (level - 15);
}

// The main window on the information screen with "Asha" logged in, and the
// numbers window opened from Exercise 7 of the File menu on levels whose
// databases the test writes.
class NumbersWindow : public WordWindowTest<frmLevel12>
{
protected:
    NumbersWindow()
    {
        exercises::keyboard::registerWindows();
        main.Load();
    }

    // A level of the numbers course with its digit keys and its range.
    WordLevel &write(int level)
    {
        levelData.push_back(std::make_unique<WordLevel>(folder, level));
        WordLevel &data = *levelData.back();
        data.writeDigitKeys();
        data.writeNumbers(firstNumber(level), level == 20 ? 100 : 20);
        data.writePassMark(10);
        return data;
    }

    // Exercise 7's item for the level, with the learner stored at `stored`.
    frmLevel12 &open(int level, int stored)
    {
        openFrom(main.mnuFileExercise7Item.at(std::size_t(level - 14)), stored,
                 QStringLiteral("frmLevel12"));
        numberAt = [first = firstNumber(level)](int place) {
            return WordLevel::digits(first + place - 1);
        };
        return *window;
    }

    static Digits tags(const frmLevel12::Row &row) { return wordrows::tags(row); }
    static Digits pictures(const frmLevel12::Row &row)
    {
        return wordrows::pictures(row, WordLevel::digitShown);
    }

    Digits asked(int question) const { return numberAt(window->questionPosition(question)); }

    void type(const Digits &digits)
    {
        for (int digit : digits)
            click(window->keyboard()->ImgLetter.at(std::size_t(digit)));
    }

    // Types an answer to every question left and moves on; the last stays
    // unmarked.
    void answerAll(const std::function<Digits(int question, Digits right)> &answer)
    {
        for (int q = window->currentQuestion(); q <= 10; ++q) {
            type(answer(q, asked(q)));
            if (q < 10)
                click(window->cmdNextWord);
        }
    }

    static std::function<Digits(int, Digits)> wrongAt(const QSet<int> &wrong)
    {
        return [wrong](int q, Digits right) {
            if (wrong.contains(q))
                right.back() = (right.back() + 1) % 10;
            return right;
        };
    }

    void mark(const QString &score, const std::function<void()> &whileShown = {})
    {
        MessageBoxScript boxes;
        boxes.expectExactly(score, Information, Ok, whileShown);
        click(window->cmdMarkTest);
    }

    std::vector<std::unique_ptr<WordLevel>> levelData;
    std::function<Digits(int place)> numberAt;
};

TEST_F(NumbersWindow, Level17TeachesFortyOneToSixtyAndTestsTenOfThem)
{
    WordLevel &level = write(17);
    frmLevel12 &form = open(17, 17);
    EXPECT_EQ(form.Caption(), "Numbers - 41 to 60");
    EXPECT_EQ(form.NumberStage, 3);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(main.isVisible());

    // Row r shows the digits of WordLetter 40 + r and speaks Words r.
    for (std::size_t i = 0; i < 20; ++i) {
        const Digits number = WordLevel::digits(41 + int(i));
        EXPECT_EQ(tags(form.picWord[i]), number) << "row " << i + 1;
        EXPECT_EQ(pictures(form.picWord[i]), number) << "row " << i + 1;
        EXPECT_EQ(form.picWord[i][2]->Tag(), "");
        EXPECT_TRUE(form.cmdWordSound[i]->isVisible());
        EXPECT_TRUE(form.lblWord[i]->isVisible());
        EXPECT_FALSE(form.imgMarked[i]->isVisible());
    }
    EXPECT_TRUE(form.lblDisplayText->isVisible());
    EXPECT_FALSE(form.lblTest->isVisible());
    EXPECT_FALSE(form.pnlBlank3->isVisible());
    const qsizetype before = FakeSoundBackend::playLog().size();
    click(form.cmdWordSound[0]);
    click(form.cmdWordSound[19]);
    EXPECT_EQ(FakeSoundBackend::playLog().mid(before),
              (QStringList{platform::ProgramPath(level.numberSound(1)),
                           platform::ProgramPath(level.numberSound(20))}));
    // A recording that has played is let go of.
    FakeSoundBackend *sound = FakeSoundBackend::of(*form.LetterSound);
    ASSERT_NE(sound, nullptr);
    const int closed = sound->closeCount();
    sound->finish();
    EXPECT_EQ(sound->closeCount(), closed + 1);
    EXPECT_EQ(sound->openFile(), "");

    startTest();
    const std::vector<int> &picks = form.testPicks();
    ASSERT_EQ(picks.size(), 10u);
    EXPECT_EQ(QSet<int>(picks.begin(), picks.end()).size(), 10);
    for (int q = 1; q <= 10; ++q) {
        const int place = form.questionPosition(q);
        EXPECT_GE(place, 1);
        EXPECT_LE(place, 20);
        const frmLevel12::Row &correct = form.picWord[std::size_t(q + 9)];
        EXPECT_EQ(tags(correct), WordLevel::digits(40 + place));
        EXPECT_FALSE(correct[0]->isVisible());
        EXPECT_TRUE(tags(form.picWord[std::size_t(q - 1)]).empty());
    }
    EXPECT_EQ(form.lblTest->text(), "Test for Number 1 of 10");
    EXPECT_TRUE(form.lblTest->isVisible());
    EXPECT_FALSE(form.lblDisplayText->isVisible());
    EXPECT_TRUE(form.pnlBlank3->isVisible());
    EXPECT_FALSE(form.cmdWordSound[0]->isVisible());
    EXPECT_FALSE(form.lblWord[10]->isVisible());
    EXPECT_TRUE(form.keyboard()->isVisible());
    EXPECT_EQ(form.keyboard()->Caption(), "Number Keypad");
    EXPECT_EQ(FakeSoundBackend::playLog().last(),
              platform::ProgramPath(level.numberSound(form.questionPosition(1))));
}

TEST_F(NumbersWindow, Level20TestsOneToOneHundredFromAPageOfText)
{
    WordLevel &level = write(20);
    level.writePassMark(7);
    frmLevel12 &form = open(20, 20);
    EXPECT_EQ(form.Caption(), "Numbers - 1 to 100");
    EXPECT_EQ(form.MAX_WORDS, 100);
    EXPECT_EQ(form.lblTest->text(), "This level will test you between numbers 1 to 100");
    EXPECT_TRUE(form.lblTest->isVisible());
    EXPECT_EQ(form.lblTest->Top(), 4080);
    EXPECT_FALSE(form.lblDisplayText->isVisible());
    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_FALSE(form.lblWord[i]->isVisible());
        EXPECT_FALSE(form.cmdWordSound[i]->isVisible());
        EXPECT_TRUE(tags(form.picWord[i]).empty());
    }

    // The position is the number, for the digits and for the recording.
    QSet<int> drawn;
    for (int run = 0; run < 2; ++run) {
        startTest();
        EXPECT_EQ(form.lblTest->Top(), 720);
        EXPECT_TRUE(form.lblWord[0]->isVisible());
        EXPECT_EQ(FakeSoundBackend::playLog().last(),
                  platform::ProgramPath(level.numberSound(form.questionPosition(1))));
        const std::vector<int> &picks = form.testPicks();
        EXPECT_EQ(QSet<int>(picks.begin(), picks.end()).size(), 10);
        for (int q = 1; q <= 10; ++q) {
            const int number = form.questionPosition(q);
            EXPECT_EQ(number, picks[std::size_t(q - 1)]);
            EXPECT_GE(number, 1);
            EXPECT_LE(number, 100);
            EXPECT_EQ(tags(form.picWord[std::size_t(q + 9)]), WordLevel::digits(number));
            drawn.insert(number);
        }
        answerAll(wrongAt({1, 2, 3, 4}));
        mark("You got 6 out of 10");
        // Marked: "Start Test" starts the next test directly.
        EXPECT_TRUE(form.cmdStartTest->isVisible());
        EXPECT_FALSE(form.cmdStartNewTest->isVisible());
        EXPECT_FALSE(form.lblTest->isVisible());
        EXPECT_TRUE(form.imgMarked[0]->isVisible());
        EXPECT_FALSE(form.cmdWordSound[0]->isVisible());
    }
    EXPECT_GT(drawn.size(), 10) << "each test draws afresh";
    EXPECT_EQ(storedLevel(), 20);

    startTest();
    answerAll(wrongAt({5, 6, 7}));
    mark("You got 7 out of 10");
    EXPECT_EQ(storedLevel(), 21);
}

TEST_F(NumbersWindow, AnAnswerIsRightOnlyWithEveryDigitAndNoMore)
{
    // Every number of level 15 is 25 here; place p keeps its own recording.
    WordLevel level(folder, 15);
    level.writeDigitKeys();
    for (int place = 1; place <= 20; ++place)
        level.writeWord(place, {2, 5});
    level.writePassMark(7);
    frmLevel12 &form = open(15, 15);
    numberAt = [](int) { return Digits{2, 5}; };
    EXPECT_EQ(tags(form.picWord[4]), (Digits{2, 5}));
    EXPECT_EQ(pictures(form.picWord[4]), (Digits{2, 5}));
    EXPECT_TRUE(form.picWord[4][2]->pixmap().isNull());

    // 2 alone, 2-5-0, 5-2 and 0 are wrong: six right fail.
    startTest();
    const auto answers = [](const std::vector<Digits> &wrong) {
        return [wrong](int q, Digits right) {
            return std::size_t(q) <= wrong.size() ? wrong[std::size_t(q - 1)] : right;
        };
    };
    answerAll(answers({{2}, {2, 5, 0}, {5, 2}, {0}}));
    mark("You got 6 out of 10");
    const QPixmap tick = resources::LoadResPicture(resources::TickIcon);
    const QPixmap cross = resources::LoadResPicture(resources::CrossIcon);
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(form.imgMarked[k]->pixmap().toImage(), (k < 4 ? cross : tick).toImage()) << k;
        EXPECT_TRUE(form.picWord[k + 10][0]->isVisible());
        EXPECT_EQ(tags(form.picWord[k + 10]), (Digits{2, 5}));
        EXPECT_FALSE(form.lblWord[k + 10]->isVisible());
    }
    EXPECT_EQ(tags(form.picWord[1]), (Digits{2, 5, 0}));
    EXPECT_EQ(form.currentQuestion(), 11);
    EXPECT_FALSE(form.pnlBlank3->isVisible());
    EXPECT_FALSE(form.cmdRepeatWord->isVisible());
    EXPECT_TRUE(form.cmdStartNewTest->isVisible());
    EXPECT_EQ(storedLevel(), 15);

    // Seven right pass the mark of 7, stored once the score box has closed.
    click(form.cmdStartNewTest);
    EXPECT_TRUE(form.cmdWordSound[19]->isVisible());
    EXPECT_TRUE(form.lblWord[15]->isVisible());
    EXPECT_FALSE(form.imgMarked[0]->isVisible());
    startTest();
    answerAll(answers({{2}, {2, 5, 0}, {5}}));
    mark("You got 7 out of 10", [] { EXPECT_EQ(storedLevel(), 15); });
    EXPECT_EQ(storedLevel(), 16);
    EXPECT_TRUE(main.mnuFileExercise7Item[2]->isEnabled()) << "menus refreshed";
}

TEST_F(NumbersWindow, EveryAnswerNeedsADigitAndTheTenthIsMarked)
{
    write(15);
    frmLevel12 &form = open(15, 15);
    startTest();
    {
        MessageBoxScript boxes;
        boxes.expectExactly(NoNumber, Exclamation, Ok);
        click(form.cmdNextWord);
    }
    EXPECT_EQ(form.currentQuestion(), 1);
    EXPECT_EQ(form.lblTest->text(), "Test for Number 1 of 10");

    // A fourth digit has no cell; the answer keeps its three.
    type({1, 2, 3, 4});
    EXPECT_EQ(form.picKey[2]->Tag(), "3");
    EXPECT_EQ(WordLevel::digitShown(form.picKey[2]->pixmap()), 3);
    const qsizetype played = FakeSoundBackend::playLog().size();
    click(form.cmdNextWord);
    EXPECT_EQ(tags(form.picWord[0]), (Digits{1, 2, 3}));
    EXPECT_EQ(pictures(form.picWord[0]), (Digits{1, 2, 3}));
    for (const words::PictureCell *key : form.picKey) {
        EXPECT_EQ(key->Tag(), "");
        EXPECT_TRUE(key->pixmap().isNull());
    }
    EXPECT_EQ(form.keyboard()->CurrentKeyIdx(), -1);
    EXPECT_FALSE(form.keyboard()->cmdUndo->isVisible());
    EXPECT_EQ(form.lblTest->text(), "Test for Number 2 of 10");
    EXPECT_EQ(FakeSoundBackend::playLog().size(), played + 1);
    click(form.cmdRepeatWord);
    EXPECT_EQ(FakeSoundBackend::playLog().size(), played + 2);
    EXPECT_EQ(FakeSoundBackend::playLog().last(),
              platform::ProgramPath(levelData[0]->numberSound(form.questionPosition(2))));

    answerAll(wrongAt({}));
    EXPECT_EQ(form.lblTest->text(), "Test for Number 10 of 10");
    EXPECT_FALSE(form.cmdNextWord->isVisible());
    EXPECT_TRUE(form.cmdMarkTest->isVisible());
    for (std::size_t i = 0; i < asked(10).size(); ++i)
        click(form.keyboard()->cmdUndo);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(NoWord, Exclamation, Ok);
        click(form.cmdMarkTest);
    }
    EXPECT_EQ(form.currentQuestion(), 10);
    EXPECT_TRUE(form.keyboard()->isVisible());
    EXPECT_FALSE(form.imgMarked[0]->isVisible());

    // Without a pass mark only ten right pass.
    const QPointer<frmKeyboard> keypad = form.keyboard();
    type(asked(10));
    mark("You got 9 out of 10");
    EXPECT_EQ(storedLevel(), 15);
    EXPECT_EQ(form.keyboard(), nullptr);
    settle();
    EXPECT_TRUE(keypad.isNull());
    click(form.cmdStartNewTest);
    startTest();
    answerAll(wrongAt({}));
    mark("You got 10 out of 10");
    EXPECT_EQ(storedLevel(), 16);
}

TEST_F(NumbersWindow, AfterAPassTheWindowKeepsItsOwnLevelAndStoresNoMore)
{
    WordLevel &own = write(15);
    write(16);
    frmLevel12 &form = open(15, 15);
    startTest();
    answerAll(wrongAt({}));
    mark("You got 10 out of 10");
    ASSERT_EQ(storedLevel(), 16);
    EXPECT_EQ(modMain::gLevelDbPath, folder.levelDatabase(16));

    // Level 16 keys its digits 21 to 40: read with this window's places it
    // would have none and end the program.
    click(form.cmdStartNewTest);
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(tags(form.picWord[i]), WordLevel::digits(int(i) + 1));
    click(form.cmdWordSound[6]);
    EXPECT_EQ(FakeSoundBackend::playLog().last(), platform::ProgramPath(own.numberSound(7)));
    startTest();
    EXPECT_EQ(FakeSoundBackend::playLog().last(),
              platform::ProgramPath(own.numberSound(form.questionPosition(1))));
    for (int q = 1; q <= 10; ++q)
        EXPECT_EQ(tags(form.picWord[std::size_t(q + 9)]),
                  WordLevel::digits(form.questionPosition(q)));
    answerAll(wrongAt({}));
    mark("You got 10 out of 10");
    EXPECT_EQ(storedLevel(), 16);
}

TEST_F(NumbersWindow, APassWhilePractisingStoresNothing)
{
    write(15);
    write(18);
    open(15, 18);
    EXPECT_EQ(modMain::gLevel, 15);
    const QString path = modMain::gLevelDbPath;
    startTest();
    answerAll(wrongAt({}));
    mark("You got 10 out of 10");
    EXPECT_EQ(storedLevel(), 18);
    EXPECT_EQ(modMain::gLevel, 15);
    EXPECT_EQ(modMain::gLevelDbPath, path);
}

TEST_F(NumbersWindow, LeavingBeforeMarkingAsksAndAfterMarkingLeavesAtOnce)
{
    write(15);
    const QString question = resources::LoadResString(resources::str::ExitTestFails);
    frmLevel12 &form = open(15, 15);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(question, Confirmation, No);
        click(form.cmdExit);
    }
    EXPECT_TRUE(form.isVisible());

    // The close box during a test: No keeps the typed answers.
    startTest();
    type(asked(1));
    click(form.cmdNextWord);
    type({7});
    {
        MessageBoxScript boxes;
        boxes.expectExactly(question, Confirmation, No);
        closeFromTitleBar(form);
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(tags(form.picWord[0]), asked(1));
    EXPECT_EQ(form.picKey[0]->Tag(), "7");
    EXPECT_EQ(form.currentQuestion(), 2);

    const QPointer<frmKeyboard> keypad = form.keyboard();
    {
        MessageBoxScript boxes;
        boxes.expectExactly(question, Confirmation, Yes);
        closeFromTitleBar(form);
    }
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(keypad.isNull());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(storedLevel(), 15);

    // Marked, "Main Screen" leaves without a question.
    open(15, 15);
    startTest();
    answerAll(wrongAt({3}));
    mark("You got 9 out of 10");
    {
        MessageBoxScript noBoxes;
        click(window->cmdExit);
    }
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(NumbersWindow, EnterAgainAfterAMessageNeitherMovesOnNorLeaves)
{
    write(15);
    open(15, 15);
    activate();
    startTest();
    {
        MessageBoxScript boxes;
        boxes.expectExactly(NoNumber, Exclamation, Ok);
        click(window->cmdNextWord);
    }
    expectEnterAgainHarmless();
    answerAll(wrongAt({}));
    mark("You got 10 out of 10");
    expectEnterAgainHarmless();
    EXPECT_EQ(storedLevel(), 16);
}

TEST_F(NumbersWindow, AWordsRowWithoutOneRecordingPlaysNothingAndTheTestGoesOn)
{
    WordLevel &level = write(15);
    // A second row for place 3: no recording for the number 3.
    schema::Writer(folder.levelDatabase(15)).addWord(3, level.numberSound(3));
    frmLevel12 &form = open(15, 15);
    const qsizetype before = FakeSoundBackend::playLog().size();
    click(form.cmdWordSound[2]);
    QTest::qWait(20);
    EXPECT_EQ(FakeSoundBackend::playLog().size(), before);
    EXPECT_TRUE(form.cmdWordSound[2]->isEnabled());
    click(form.cmdWordSound[3]);
    EXPECT_EQ(FakeSoundBackend::playLog().last(), platform::ProgramPath(level.numberSound(4)));
}

TEST_F(NumbersWindow, TheRowsAndButtonsStandAsDesigned)
{
    write(15);
    frmLevel12 &form = open(15, 15);
    EXPECT_EQ(form.ScaleWidth(), 7740);
    EXPECT_EQ(form.ScaleHeight(), 9420);
    EXPECT_EQ(form.picWord[0][0]->Left(), 840);
    EXPECT_EQ(form.picWord[10][2]->Left(), 4800 + 360 * 2);
    EXPECT_EQ(form.picWord[9][0]->Top(), 2400 + 600 * 9);
    EXPECT_EQ(form.cmdWordSound[0]->Left(), 2040);
    EXPECT_EQ(form.cmdWordSound[19]->Left(), 6000);
    EXPECT_EQ(form.pnlBlank3->Width(), 1575);
    EXPECT_EQ(form.cmdExit->Left(), 120);
    EXPECT_EQ(form.cmdStartNewTest->Left(), 5760);
    EXPECT_EQ(form.cmdStartTest->Top(), 8760);
}

} // namespace
