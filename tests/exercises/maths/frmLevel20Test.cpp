#include "exercises/keyboard/maths/frmLevel20.h"

#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/text/KeyText.h"
#include "resources/Icons.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "tests/exercises/maths/ScriptedDraws.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WordLevel.h"
#include "tests/support/WordWindowTest.h"

#include <QImage>
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

using services::MessageBoxAnswer::No;
using services::MessageBoxAnswer::Ok;
using services::MessageBoxAnswer::Yes;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int Confirmation = 292;

// An answer typed for question q, given the right one.
using Answer = std::function<QString(int q, const QString &right)>;

// The maths window opened from Exercise 8 on level databases the test
// writes (the digit keys 0..9), its sums drawn from `draws`.
class MathsWindow : public WordWindowTest<frmLevel20>
{
protected:
    MathsWindow()
    {
        exercises::keyboard::registerWindows();
        levels::registerWindow(QStringLiteral("frmLevel20"),
                               [this] { return std::make_unique<frmLevel20>(draws.source()); });
        main.Load();
    }

    // Every sum right, unless the test sets a mark of its own.
    void write(int level, int passMark = 10)
    {
        WordLevel data(folder, level);
        data.writeDigitKeys();
        data.writePassMark(passMark);
    }

    frmLevel20 &open(int level, int stored)
    {
        return openFrom(main.mnuFileExercise8Item.at(std::size_t(level - 21)), stored,
                        QStringLiteral("frmLevel20"));
    }

    void type(const QString &digits)
    {
        for (QChar digit : digits)
            click(window->keyboard()->ImgLetter.at(std::size_t(digit.digitValue())));
    }

    QString right(int q) const { return window->pnlAnswer.at(std::size_t(q - 1))->Caption(); }

    // Answers every question left; the last stays unmarked.
    void answerAll(const Answer &answer)
    {
        for (int q = window->currentQuestion(); q <= 10; ++q) {
            type(answer(q, right(q)));
            if (q < 10)
                click(window->cmdNextWord);
        }
    }

    // The last digit one up at the questions named.
    static Answer wrongAt(const QSet<int> &wrong)
    {
        return [wrong](int q, QString answer) {
            if (wrong.contains(q))
                answer.back() = QChar('0' + (answer.back().digitValue() + 1) % 10);
            return answer;
        };
    }

    void mark(const QString &score, const std::function<void()> &whileShown = {})
    {
        MessageBoxScript boxes;
        boxes.expectExactly(score, Information, Ok, whileShown);
        click(window->cmdMarkTest);
    }

    void passTest()
    {
        startTest();
        answerAll(wrongAt({}));
        mark(QStringLiteral("You got 10 out of 10"));
    }

    // The exercise items of the File menu that are not enabled.
    QStringList closedItems() const
    {
        QStringList closed;
        for (QMenu *menu :
             {main.mnuFile, main.mnuFileExercise1, main.mnuFileExercise7, main.mnuFileExercise8}) {
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator() && !action->isEnabled())
                    closed << action->text();
            }
        }
        return closed;
    }

    ScriptedDraws draws;
};

TEST_F(MathsWindow, Level21AsksTenSumsRowByRowAndMarksThemAgainstAPassMarkOf8)
{
    write(21, 8);
    frmLevel20 &form = open(21, 21);
    EXPECT_EQ(form.Caption(), "Maths - Plus");
    EXPECT_EQ(form.lblHeading->text(), "Plus Excercise");
    EXPECT_EQ(form.lblTest->text(), "This level will test you between numbers 1 to 50 for plus");
    EXPECT_TRUE(form.lblTest->isVisible());
    EXPECT_EQ(form.lblTest->Top(), 4080);
    EXPECT_FALSE(main.isVisible());
    for (std::size_t k = 0; k < 10; ++k) {
        EXPECT_FALSE(form.lblWord[k]->isVisible());
        EXPECT_FALSE(form.pnlNumber[k][0]->isVisible());
    }

    startTest();
    const maths::MathsQuestions &sums = form.questions();
    EXPECT_EQ(form.lblTest->text(), "Test for Number 1 of 10");
    EXPECT_EQ(form.lblTest->Top(), 720);
    EXPECT_TRUE(form.pnlBlank3->isVisible());
    EXPECT_TRUE(form.keyboard()->isVisible());
    EXPECT_EQ(form.keyboard()->Caption(), "Number Keypad");
    for (std::size_t k = 0; k < 10; ++k) {
        const QString first = QString::number(sums.mintFirstOperand()[k]);
        EXPECT_EQ(form.pnlNumber[k][0]->Caption(), first);
        EXPECT_EQ(form.pnlNumber[k][1]->Caption(), QString::number(sums.mintSecondOperand()[k]));
        EXPECT_EQ(form.pnlAnswer[k]->Caption(),
                  QString::number(sums.mintFirstOperand()[k] + sums.mintSecondOperand()[k]));
        EXPECT_EQ(form.pnlNumberSymbol[k][0]->Caption(), "+");
        EXPECT_EQ(form.pnlNumberSymbol[k][1]->Caption(), "=");
        EXPECT_TRUE(form.lblWord[k]->isVisible());
        EXPECT_EQ(form.pnlNumber[k][0]->isVisible(), k == 0) << "row " << k + 1;
        EXPECT_EQ(form.pnlNumberSymbol[k][1]->isVisible(), k == 0);
        EXPECT_FALSE(form.pnlAnswer[k]->isVisible());
        // The learner sees Gujarati numerals; the operators stay as they are.
        EXPECT_EQ(form.pnlNumber[k][0]->FontName(), text::KeyFontName);
        EXPECT_EQ(form.pnlNumber[k][0]->shownText(), text::toUnicode(first));
        EXPECT_NE(form.pnlNumber[k][0]->shownText(), first);
        EXPECT_EQ(form.pnlNumberSymbol[k][0]->shownText(), "+");
    }

    // Each answer moves into its row, and the next sum shows.
    type(right(1));
    click(form.cmdNextWord);
    EXPECT_EQ(form.pnlNumber[0][2]->Caption(), right(1));
    EXPECT_TRUE(form.pnlNumber[0][2]->isVisible());
    EXPECT_TRUE(form.pnlNumber[1][0]->isVisible());
    EXPECT_FALSE(form.pnlNumber[2][0]->isVisible());
    EXPECT_EQ(form.lblTest->text(), "Test for Number 2 of 10");
    for (const words::PictureCell *key : form.picKey)
        EXPECT_EQ(key->Tag(), "");
    EXPECT_EQ(form.keyboard()->CurrentKeyIdx(), -1);

    answerAll(wrongAt({2, 5, 10}));
    EXPECT_TRUE(form.cmdMarkTest->isVisible());
    EXPECT_FALSE(form.cmdNextWord->isVisible());
    mark("You got 7 out of 10");
    const QImage tick = resources::LoadResPicture(resources::TickIcon).toImage();
    const QImage cross = resources::LoadResPicture(resources::CrossIcon).toImage();
    for (std::size_t k = 0; k < 10; ++k) {
        const bool wrong = k == 1 || k == 4 || k == 9;
        EXPECT_EQ(form.imgMarked[k]->pixmap().toImage(), wrong ? cross : tick) << k;
        EXPECT_TRUE(form.pnlAnswer[k]->isVisible());
        EXPECT_TRUE(form.pnlNumber[k][2]->isVisible());
    }
    EXPECT_EQ(form.pnlNumber[9][2]->Caption(), wrongAt({10})(10, right(10)));
    EXPECT_TRUE(form.lblAnswer->isVisible());
    EXPECT_FALSE(form.pnlBlank3->isVisible());
    EXPECT_FALSE(form.lblTest->isVisible());
    EXPECT_TRUE(form.cmdStartTest->isVisible());
    EXPECT_EQ(form.currentQuestion(), 11);
    EXPECT_EQ(storedLevel(), 21);

    // A new set of the same stage; eight right pass, stored after the score.
    startTest();
    EXPECT_FALSE(form.imgMarked[0]->isVisible());
    EXPECT_FALSE(form.lblAnswer->isVisible());
    EXPECT_FALSE(form.pnlNumber[0][2]->isVisible());
    answerAll(wrongAt({3, 4}));
    mark("You got 8 out of 10", [] { EXPECT_EQ(storedLevel(), 21); });
    EXPECT_EQ(storedLevel(), 22);
    EXPECT_TRUE(main.mnuFileExercise8Item[1]->isEnabled());
}

TEST_F(MathsWindow, ALeadingZeroIsWrongALoneZeroRightAndAPassMarkOfTenNeedsEverySum)
{
    write(22, 10);
    draws.pair(7, 7).pair(9, 2);
    frmLevel20 &form = open(22, 22);
    EXPECT_EQ(form.lblHeading->text(), "Minus Excercise");
    startTest();
    EXPECT_EQ(right(1), "0");
    EXPECT_EQ(right(2), "7");
    EXPECT_EQ(form.pnlNumberSymbol[0][0]->Caption(), "-");

    // No digit: the question stays open.
    {
        MessageBoxScript boxes;
        boxes.expectExactly(QStringLiteral("The Number must have at least 1 number"), Exclamation,
                            Ok);
        click(form.cmdNextWord);
    }
    EXPECT_EQ(form.currentQuestion(), 1);
    EXPECT_FALSE(form.pnlNumber[1][0]->isVisible());

    type("0");
    click(form.cmdNextWord);
    type("07");
    click(form.cmdNextWord);
    answerAll(wrongAt({}));
    for (int i = 0; i < right(10).size(); ++i)
        click(form.keyboard()->cmdUndo);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(QStringLiteral("The word must have at least 1 characters"), Exclamation,
                            Ok);
        click(form.cmdMarkTest);
    }
    EXPECT_EQ(form.currentQuestion(), 10);
    EXPECT_NE(form.keyboard(), nullptr);
    type(right(10));
    mark("You got 9 out of 10");
    EXPECT_EQ(form.pnlNumber[0][2]->Caption(), "0");
    EXPECT_EQ(form.pnlNumber[1][2]->Caption(), "07");
    const QImage cross = resources::LoadResPicture(resources::CrossIcon).toImage();
    EXPECT_NE(form.imgMarked[0]->pixmap().toImage(), cross);
    EXPECT_EQ(form.imgMarked[1]->pixmap().toImage(), cross);
    EXPECT_EQ(storedLevel(), 22);

    passTest();
    EXPECT_EQ(storedLevel(), 23);
}

TEST_F(MathsWindow, APassOfLevel25Stores26OnceAndEveryItemStaysOpen)
{
    write(25, 10);
    frmLevel20 &form = open(25, 25);
    EXPECT_EQ(form.lblHeading->text(), "Number Exercise");
    EXPECT_EQ(form.lblTest->text(), "This level will test you between numbers 1 to 100 for All");
    startTest();
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(form.pnlNumberSymbol[std::size_t(k)][0]->Caption(),
                  form.questions().OperatorSymbol(k));
        EXPECT_EQ(right(k + 1), QString::number(form.questions().CorrectAnswer(k)));
    }
    answerAll(wrongAt({}));
    mark("You got 10 out of 10");
    EXPECT_EQ(storedLevel(), 26);
    EXPECT_EQ(closedItems(), QStringList());

    // Passing again in this window stores nothing more: there is no level 27.
    passTest();
    EXPECT_EQ(storedLevel(), 26);
    EXPECT_EQ(closedItems(), QStringList());
}

TEST_F(MathsWindow, APassAtTheStoredLevelStoresTheNextOnlyOnce)
{
    write(23, 8);
    write(24, -1);
    open(23, 23);
    passTest();
    ASSERT_EQ(storedLevel(), 24);
    EXPECT_EQ(modMain::gLevelDbPath, folder.levelDatabase(24));
    // Still level 23's pass mark of 8, and no skipping of level 24.
    startTest();
    answerAll(wrongAt({1, 2}));
    mark("You got 8 out of 10");
    EXPECT_EQ(storedLevel(), 24);
}

TEST_F(MathsWindow, EnterAgainAfterAMessageNeitherMovesOnNorLeaves)
{
    write(21);
    open(21, 21);
    activate();
    startTest();
    {
        MessageBoxScript boxes;
        boxes.expectExactly(QStringLiteral("The Number must have at least 1 number"), Exclamation,
                            Ok);
        click(window->cmdNextWord);
    }
    expectEnterAgainHarmless();
    answerAll(wrongAt({}));
    mark("You got 10 out of 10");
    expectEnterAgainHarmless();
    EXPECT_EQ(storedLevel(), 22);
}

TEST_F(MathsWindow, LeavingAsksUntilTheTestIsMarked)
{
    write(21);
    const QString question = resources::LoadResString(resources::str::ExitTestFails);
    frmLevel20 &form = open(21, 21);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(question, Confirmation, No);
        click(form.cmdExit);
    }
    EXPECT_TRUE(form.isVisible());

    startTest();
    type(right(1));
    click(form.cmdNextWord);
    type("4");
    {
        MessageBoxScript boxes;
        boxes.expectExactly(question, Confirmation, No);
        closeFromTitleBar(form);
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.picKey[0]->Tag(), "4");
    EXPECT_EQ(form.currentQuestion(), 2);
    const QPointer<frmKeyboard> keypad = form.keyboard();
    {
        MessageBoxScript boxes;
        boxes.expectExactly(question, Confirmation, Yes);
        click(form.cmdExit);
    }
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(keypad.isNull());
    EXPECT_TRUE(main.isVisible());

    // Marked: the close box leaves without a question.
    open(21, 21);
    passTest();
    {
        MessageBoxScript noBoxes;
        closeFromTitleBar(*window);
    }
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(MathsWindow, StartingAgainOrLeavingWaitsWhileTheSumsAreDrawn)
{
    write(24);
    // 7 / 2 is refused: the draw lets the message loop run.
    draws.pair(7, 2);
    frmLevel20 &form = open(24, 24);
    bool drawing = false;
    QTimer::singleShot(0, &form, [&] {
        drawing = form.questions().isDrawing();
        MessageBoxScript noBoxes;
        click(form.cmdStartTest);
        EXPECT_EQ(form.keyboard(), nullptr);
        EXPECT_FALSE(form.lblWord[0]->isVisible());
        click(form.cmdExit);
        closeFromTitleBar(form);
        EXPECT_FALSE(window.isNull());
    });
    startTest();
    EXPECT_TRUE(drawing);
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.currentQuestion(), 1);
    EXPECT_EQ(form.pnlNumberSymbol[0][0]->Caption(), "/");
    for (int k = 0; k < 10; ++k) {
        const int a = form.questions().mintFirstOperand()[std::size_t(k)];
        const int b = form.questions().mintSecondOperand()[std::size_t(k)];
        EXPECT_EQ(a % b, 0);
        EXPECT_EQ(right(k + 1), QString::number(a / b));
    }
}

TEST_F(MathsWindow, TheRowsAndButtonsStandAsDesigned)
{
    write(21);
    frmLevel20 &form = open(21, 21);
    EXPECT_EQ(form.ScaleWidth(), 7845);
    EXPECT_EQ(form.ScaleHeight(), 9420);
    const std::size_t last = 9;
    EXPECT_EQ(form.lblWord[last]->Left(), 30);
    EXPECT_EQ(form.pnlNumber[last][0]->Left(), 840);
    EXPECT_EQ(form.pnlNumberSymbol[last][1]->Left(), 3120);
    EXPECT_EQ(form.pnlNumber[last][2]->Left(), 3960);
    EXPECT_EQ(form.pnlAnswer[last]->Top(), 7800);
    EXPECT_EQ(form.imgMarked[last]->Left(), 6240);
    EXPECT_EQ(form.pnlBlank3->Left(), 3240);
    EXPECT_EQ(form.pnlBlank3->Width(), 1575);
    EXPECT_EQ(form.cmdExit->Left(), 1920);
    EXPECT_EQ(form.cmdStartTest->Left(), 4560);
    EXPECT_EQ(form.cmdStartTest->Top(), 8760);
}

// Each level's start text, as the window paints it, keeps clear of the
// window's sides: a line that does not fit with room to spare wraps.
class MathsStartText : public MathsWindow, public ::testing::WithParamInterface<int>
{};

TEST_P(MathsStartText, StaysClearOfTheWindowsSides)
{
    const int level = GetParam();
    write(level);
    frmLevel20 &form = open(level, level);
    ASSERT_TRUE(form.lblTest->isVisible());
    const QImage shot = form.grab().toImage();
    const QColor back = form.palette().color(QPalette::Window);
    const QRect label = form.lblTest->geometry();
    int left = shot.width();
    int right = -1;
    for (int y = label.top(); y <= label.bottom(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            const int difference = std::abs(pixel.red() - back.red()) +
                                   std::abs(pixel.green() - back.green()) +
                                   std::abs(pixel.blue() - back.blue());
            if (difference > 150) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, 0) << "no text painted";
    constexpr int Room = 6;
    EXPECT_GE(left, Room) << form.lblTest->text().toStdString();
    EXPECT_LE(right, shot.width() - 1 - Room) << form.lblTest->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryStage, MathsStartText, ::testing::Range(21, 26));

} // namespace
