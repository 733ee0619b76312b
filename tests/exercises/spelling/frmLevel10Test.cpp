#include "exercises/keyboard/spelling/frmLevel10.h"

#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "exercises/keyboard/words/PictureCell.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/forms/Forms.h"
#include "resources/Icons.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/LessonLevel.h"
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

using services::MessageBoxAnswer::Ok;
constexpr int Exclamation = 48;
constexpr int Information = 64;
const QString TooShort = QStringLiteral("The word must have at least 2 characters");

using Keys = std::vector<int>;

// The main window on the information screen with "Asha" logged in, a
// level 10 of 34 coloured keys and 60 words, and the spelling window opened
// from Exercise 3 of the File menu.
class SpellingWindow : public WordWindowTest<frmLevel10>
{
protected:
    SpellingWindow()
    {
        exercises::keyboard::registerWindows();
        // The lesson that the menu choice opens first needs letters.
        lesson.write(10, 2);
        words.writeKeys();
        // Every word right, unless a test sets a mark of its own.
        words.writePassMark(frmLevel10::Questions);
        main.Load();
    }

    // Exercise 3 of the File menu, with the learner stored at that level.
    frmLevel10 &open(int stored)
    {
        return openFrom(main.mnuFileExercise3, stored, QStringLiteral("frmLevel10"));
    }

    static Keys tags(const frmLevel10::Row &row) { return wordrows::tags(row); }
    static Keys pictures(const frmLevel10::Row &row)
    {
        return wordrows::pictures(row, WordLevel::keyShown);
    }

    // The spelling of the word asked in question q (1..10).
    Keys asked(int question) const
    {
        const int position = window->testPicks().at(std::size_t(question - 1));
        return WordLevel::spelling(window->studyWordIds().at(std::size_t(position - 1)));
    }

    QString askedSound(int question) const
    {
        const int position = window->testPicks().at(std::size_t(question - 1));
        return platform::ProgramPath(
            WordLevel::soundFile(window->studyWordIds().at(std::size_t(position - 1))));
    }

    void type(const Keys &keys)
    {
        for (int key : keys)
            click(window->keyboard()->ImgLetter.at(std::size_t(key - 1)));
    }

    // Types an answer to every question left, the right one unless wrong
    // gives another, and moves on; the last stays unmarked.
    void answerAll(const std::function<Keys(int question, Keys right)> &answer)
    {
        for (int q = window->currentQuestion(); q <= frmLevel10::Questions; ++q) {
            type(answer(q, asked(q)));
            if (q < frmLevel10::Questions)
                click(window->cmdNextWord);
        }
    }

    static std::function<Keys(int, Keys)> wrongAt(const QSet<int> &wrong)
    {
        return [wrong](int q, Keys right) {
            if (wrong.contains(q))
                right.back() = right.back() % 34 + 1;
            return right;
        };
    }

    LessonLevel lesson{folder, [](const QString &) {}};
    WordLevel words{folder, 10};
};

TEST_F(SpellingWindow, TheStudyPageShowsTwentyDifferentWordsEachWithItsRecording)
{
    words.writePool();
    frmLevel10 &form = open(10);
    EXPECT_EQ(form.Caption(), "Spelling");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(main.isVisible());

    const std::vector<int> &ids = form.studyWordIds();
    ASSERT_EQ(ids.size(), 20u);
    EXPECT_EQ(QSet<int>(ids.begin(), ids.end()).size(), 20);
    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_GE(ids[i], 1);
        EXPECT_LE(ids[i], 60);
        const Keys spelled = WordLevel::spelling(ids[i]);
        EXPECT_EQ(tags(form.picWord[i]), spelled) << "row " << i + 1;
        EXPECT_EQ(pictures(form.picWord[i]), spelled) << "row " << i + 1;
        EXPECT_TRUE(form.cmdWordSound[i]->isVisible());
        EXPECT_TRUE(form.lblWord[i]->isVisible());
        EXPECT_FALSE(form.imgMarked[i]->isVisible());
    }
    EXPECT_TRUE(form.lblDisplayText->isVisible());
    EXPECT_TRUE(form.cmdStartTest->isVisible());
    EXPECT_FALSE(form.cmdStartNewTest->isVisible());
    EXPECT_FALSE(form.pnlBlank3->isVisible());

    // A speaker plays its own row's word, without waiting for the last one.
    const qsizetype before = FakeSoundBackend::playLog().size();
    click(form.cmdWordSound[13]);
    click(form.cmdWordSound[4]);
    EXPECT_EQ(FakeSoundBackend::playLog().mid(before),
              (QStringList{platform::ProgramPath(WordLevel::soundFile(ids[13])),
                           platform::ProgramPath(WordLevel::soundFile(ids[4]))}));
}

TEST_F(SpellingWindow, AWordOfTwoLettersFillsTheFirstTwoCellsOfItsRow)
{
    for (int word = 1; word <= 60; ++word)
        words.writeWord(word, {3, 17});
    frmLevel10 &form = open(10);
    for (const frmLevel10::Row &row : form.picWord) {
        EXPECT_EQ(WordLevel::keyShown(row[0]->pixmap()), 3);
        EXPECT_EQ(WordLevel::keyShown(row[1]->pixmap()), 17);
        EXPECT_EQ(row[0]->Tag(), "3");
        EXPECT_EQ(row[1]->Tag(), "17");
        for (std::size_t j = 2; j < 6; ++j) {
            EXPECT_TRUE(row[j]->pixmap().isNull());
            EXPECT_EQ(row[j]->Tag(), "");
        }
    }
}

TEST_F(SpellingWindow, TheTestAsksTenStudyWordsAndEachAnswerNeedsTwoLetters)
{
    words.writePool();
    frmLevel10 &form = open(10);
    const std::vector<int> studied = form.studyWordIds();
    startTest();

    const std::vector<int> &picks = form.testPicks();
    ASSERT_EQ(picks.size(), 10u);
    EXPECT_EQ(QSet<int>(picks.begin(), picks.end()).size(), 10);
    for (int q = 1; q <= 10; ++q) {
        EXPECT_GE(picks[std::size_t(q - 1)], 1);
        EXPECT_LE(picks[std::size_t(q - 1)], 20);
        // Its right spelling waits, hidden, in row q + 10.
        const frmLevel10::Row &correct = form.picWord[std::size_t(q + 9)];
        EXPECT_EQ(tags(correct), asked(q));
        EXPECT_FALSE(correct[0]->isVisible());
        EXPECT_TRUE(tags(form.picWord[std::size_t(q - 1)]).empty());
    }
    EXPECT_EQ(form.studyWordIds(), studied);
    EXPECT_EQ(form.lblTest->text(), "Test for Word 1 of 10");
    EXPECT_TRUE(form.lblTest->isVisible());
    EXPECT_FALSE(form.lblDisplayText->isVisible());
    EXPECT_TRUE(form.pnlBlank3->isVisible());
    EXPECT_FALSE(form.cmdWordSound[0]->isVisible());
    EXPECT_FALSE(form.lblWord[10]->isVisible());
    EXPECT_TRUE(form.lblWord[9]->isVisible());
    EXPECT_EQ(form.cmdExit->Left(), 120);
    EXPECT_TRUE(form.keyboard()->isVisible());
    EXPECT_EQ(FakeSoundBackend::playLog().last(), askedSound(1));
    const qsizetype played = FakeSoundBackend::playLog().size();
    click(form.cmdRepeatWord);
    EXPECT_EQ(FakeSoundBackend::playLog().size(), played + 1);
    EXPECT_EQ(FakeSoundBackend::playLog().last(), askedSound(1));

    // One letter is not a word: the question and the typed cell stay.
    const Keys first = asked(1);
    type({first[0]});
    {
        MessageBoxScript boxes;
        boxes.expectExactly(TooShort, Exclamation, Ok);
        click(form.cmdNextWord);
    }
    EXPECT_EQ(form.currentQuestion(), 1);
    EXPECT_EQ(form.picKey[0]->Tag(), QString::number(first[0]));
    EXPECT_EQ(WordLevel::keyShown(form.picKey[0]->pixmap()), first[0]);
    EXPECT_EQ(form.lblTest->text(), "Test for Word 1 of 10");

    // The answer moves into row 1 and the cells empty for the next word.
    type(Keys(first.begin() + 1, first.end()));
    click(form.cmdNextWord);
    EXPECT_EQ(form.currentQuestion(), 2);
    EXPECT_EQ(tags(form.picWord[0]), first);
    EXPECT_EQ(pictures(form.picWord[0]), first);
    for (const words::PictureCell *key : form.picKey) {
        EXPECT_EQ(key->Tag(), "");
        EXPECT_TRUE(key->pixmap().isNull());
    }
    EXPECT_EQ(form.keyboard()->CurrentKeyIdx(), -1);
    EXPECT_FALSE(form.keyboard()->cmdUndo->isVisible());
    EXPECT_EQ(form.lblTest->text(), "Test for Word 2 of 10");
    EXPECT_EQ(FakeSoundBackend::playLog().last(), askedSound(2));

    answerAll(wrongAt({}));
    EXPECT_EQ(form.lblTest->text(), "Test for Word 10 of 10");
    EXPECT_FALSE(form.cmdNextWord->isVisible());
    EXPECT_TRUE(form.cmdMarkTest->isVisible());

    // The same rule on marking: nothing is marked yet.
    for (int i = 0; i < int(asked(10).size()) - 1; ++i)
        click(form.keyboard()->cmdUndo);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(TooShort, Exclamation, Ok);
        click(form.cmdMarkTest);
    }
    EXPECT_EQ(form.currentQuestion(), 10);
    EXPECT_TRUE(form.keyboard()->isVisible());
    EXPECT_FALSE(form.imgMarked[0]->isVisible());
}

TEST_F(SpellingWindow, OnlyTheSameLettersInTheSameOrderAreRightAndEightOfTenPass)
{
    words.writePool();
    words.writePassMark(8);
    frmLevel10 &form = open(10);

    // Seven right fail: the score shows and nothing is stored.
    startTest();
    answerAll(wrongAt({2, 5, 9}));
    {
        MessageBoxScript boxes;
        boxes.expectExactly("You got 7 out of 10", Information, Ok);
        click(form.cmdMarkTest);
    }
    EXPECT_EQ(storedLevel(), 10);

    click(form.cmdStartNewTest);
    EXPECT_TRUE(form.cmdWordSound[19]->isVisible());
    EXPECT_TRUE(form.lblWord[15]->isVisible());
    EXPECT_FALSE(form.imgMarked[0]->isVisible());
    EXPECT_FALSE(form.cmdStartNewTest->isVisible());

    // An extra letter at the end and two letters swapped are wrong; eight
    // right pass, stored before the score shows.
    startTest();
    const QPointer<frmKeyboard> keyboard = form.keyboard();
    answerAll([](int q, Keys right) {
        if (q == 1)
            right.push_back(right.front());
        if (q == 4)
            std::swap(right[0], right[1]);
        return right;
    });
    const Keys lastAnswer = asked(10);
    {
        MessageBoxScript boxes;
        boxes.expectExactly("You got 8 out of 10", Information, Ok, [this] {
            EXPECT_EQ(storedLevel(), 11);
            EXPECT_TRUE(main.mnuFileExercise4->isEnabled()) << "menus refreshed";
            EXPECT_TRUE(window->imgMarked[9]->isVisible());
        });
        click(form.cmdMarkTest);
    }
    const QPixmap tick = resources::LoadResPicture(resources::TickIcon);
    const QPixmap cross = resources::LoadResPicture(resources::CrossIcon);
    for (std::size_t k = 0; k < 10; ++k) {
        const bool wrong = k == 0 || k == 3;
        EXPECT_EQ(form.imgMarked[k]->pixmap().toImage(), (wrong ? cross : tick).toImage()) << k;
        EXPECT_TRUE(form.picWord[k + 10][0]->isVisible());
        EXPECT_EQ(tags(form.picWord[k + 10]), asked(int(k) + 1));
        EXPECT_FALSE(form.lblWord[k + 10]->isVisible());
    }
    EXPECT_EQ(tags(form.picWord[9]), lastAnswer);
    EXPECT_EQ(form.currentQuestion(), 11);
    EXPECT_TRUE(form.lblDisplayText->isVisible());
    EXPECT_FALSE(form.pnlBlank3->isVisible());
    EXPECT_FALSE(form.cmdRepeatWord->isVisible());
    EXPECT_TRUE(form.cmdStartNewTest->isVisible());
    EXPECT_EQ(form.cmdExit->Left(), 1800);
    EXPECT_TRUE(form.mblnDoNotDisplayMsgBox);
    EXPECT_FALSE(form.mblnExit);
    EXPECT_EQ(form.keyboard(), nullptr);
    settle();
    EXPECT_TRUE(keyboard.isNull());

    // The window keeps level 10's words and pass mark after the program has
    // moved on to level 11, which has none; a second pass stores nothing more.
    click(form.cmdStartNewTest);
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(tags(form.picWord[i]), WordLevel::spelling(form.studyWordIds()[i]));
    startTest();
    answerAll(wrongAt({1, 10}));
    {
        MessageBoxScript boxes;
        boxes.expectExactly("You got 8 out of 10", Information, Ok);
        click(form.cmdMarkTest);
    }
    EXPECT_EQ(storedLevel(), 11);
}

TEST_F(SpellingWindow, APassMarkOfTenNeedsEveryWordRight)
{
    words.writePool();
    frmLevel10 &form = open(10);
    startTest();
    answerAll(wrongAt({7}));
    {
        MessageBoxScript boxes;
        boxes.expectExactly("You got 9 out of 10", Information, Ok);
        click(form.cmdMarkTest);
    }
    EXPECT_EQ(storedLevel(), 10);

    click(form.cmdStartNewTest);
    startTest();
    answerAll(wrongAt({}));
    {
        MessageBoxScript boxes;
        boxes.expectExactly("You got 10 out of 10", Information, Ok,
                            [] { EXPECT_EQ(storedLevel(), 11); });
        click(form.cmdMarkTest);
    }
}

TEST_F(SpellingWindow, APassWhilePractisingStoresNothing)
{
    words.writePool();
    frmLevel10 &form = open(12);
    EXPECT_EQ(modMain::gLevel, 10);
    startTest();
    answerAll(wrongAt({}));
    {
        MessageBoxScript boxes;
        boxes.expectExactly("You got 10 out of 10", Information, Ok);
        click(form.cmdMarkTest);
    }
    EXPECT_EQ(storedLevel(), 12);
    EXPECT_EQ(modMain::gLevel, 10);
}

TEST_F(SpellingWindow, EnterAgainAfterAMessageNeitherMovesOnNorLeaves)
{
    words.writePool();
    open(10);
    activate();
    startTest();
    {
        MessageBoxScript boxes;
        boxes.expectExactly(TooShort, Exclamation, Ok);
        click(window->cmdNextWord);
    }
    expectEnterAgainHarmless();
    answerAll(wrongAt({}));
    {
        MessageBoxScript boxes;
        boxes.expectExactly("You got 10 out of 10", Information, Ok);
        click(window->cmdMarkTest);
    }
    expectEnterAgainHarmless();
    EXPECT_EQ(storedLevel(), 11);
}

TEST_F(SpellingWindow, MainMenuAndTheCloseBoxLeaveAtOnceAndBringBackTheMainWindow)
{
    words.writePool();
    open(10);
    startTest();
    type(asked(1));
    click(window->cmdNextWord);
    const QPointer<frmKeyboard> keyboard = window->keyboard();
    {
        MessageBoxScript noBoxes;
        click(window->cmdExit);
    }
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(keyboard.isNull());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(storedLevel(), 10);

    // Again, from the study page, by the window's frame.
    main.mnuFileExercise3->trigger();
    window = forms::Forms::find<frmLevel10>(QStringLiteral("frmLevel10"));
    ASSERT_NE(window.data(), nullptr);
    EXPECT_FALSE(main.isVisible());
    {
        MessageBoxScript noBoxes;
        closeFromTitleBar(*window);
    }
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(SpellingWindow, TheRowsStandInTwoColumnsOfTen)
{
    words.writePool();
    frmLevel10 &form = open(10);
    EXPECT_EQ(form.ScaleWidth(), 7740);
    EXPECT_EQ(form.ScaleHeight(), 9420);
    EXPECT_EQ(form.picWord[0][0]->Left(), 840);
    EXPECT_EQ(form.picWord[9][5]->Top(), 2400 + 600 * 9);
    EXPECT_EQ(form.picWord[10][5]->Left(), 4800 + 360 * 5);
    EXPECT_EQ(form.picWord[10][0]->Top(), 2400);
    EXPECT_EQ(form.cmdWordSound[19]->Left(), 7080);
    EXPECT_EQ(form.lblWord[9]->Left(), 30);
    EXPECT_EQ(form.cmdStartNewTest->Width(), 1815);
    EXPECT_EQ(form.cmdExit->Top(), 8760);

    // On a screen of 800 x 600 the rows close up and the buttons stay on it.
    screen.setSize(800, 600);
    frmLevel10 small;
    EXPECT_EQ(small.ScaleHeight(), 8340);
    EXPECT_EQ(small.picWord[19][0]->Top(), 2400 + 540 * 9);
    EXPECT_EQ(small.cmdExit->Top(), 7800);
}

} // namespace
