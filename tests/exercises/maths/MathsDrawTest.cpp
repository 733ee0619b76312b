// The draw of one test step by step, with draws that the test decides: what
// a refused sum costs, when the window gets to run meanwhile, and that a
// draw always ends.
#include "exercises/keyboard/maths/MathsQuestions.h"
#include "platform/forms/Screen.h"
#include "tests/exercises/maths/ScriptedDraws.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>
#include <vector>

namespace {

using maths::MathsQuestions;

// What ran when the message loop got a turn during a draw.
struct ClickDuringDraw
{
    bool ran = false;
    bool whileDrawing = false;
    bool secondDrawRefused = false;
    int pointer = -1;

    // A second "&Start Test" as it would arrive, queued before the draw.
    void arm(MathsQuestions &questions)
    {
        QTimer::singleShot(0, &questions, [this, &questions] {
            ran = true;
            whileDrawing = questions.isDrawing();
            pointer = forms::Screen::MousePointer();
            if (whileDrawing)
                secondDrawRefused = !questions.GenerateQuestions(1, 50, 10);
        });
    }
};

struct Refusal
{
    int stage;
    int refusedA, refusedB; // asked first and refused
    int a, b;               // asked next
    int answer;
    bool yields;
};

class MathsDrawTest : public ::testing::TestWithParam<Refusal>
{};

// A refused sum is drawn again from both pools, and its operands keep the
// slots they took.
TEST_P(MathsDrawTest, ARefusedSumIsRedrawnAndKeepsItsSlots)
{
    const Refusal c = GetParam();
    ScriptedDraws draws;
    draws.pair(c.refusedA, c.refusedB).pair(c.a, c.b);
    MathsQuestions questions(draws.source());
    QSignalSpy drawing(&questions, &MathsQuestions::drawingChanged);
    ClickDuringDraw click;
    click.arm(questions);

    ASSERT_TRUE(questions.GenerateQuestions(c.stage, 50, 10));
    EXPECT_TRUE(draws.allDrawn());
    EXPECT_EQ(questions.mintFirstOperand()[0], c.a);
    EXPECT_EQ(questions.mintSecondOperand()[0], c.b);
    EXPECT_EQ(questions.StageAnswer(0), c.answer);
    EXPECT_EQ(MathsQuestions::DigitString(questions.StageAnswer(0)).toStdString(),
              std::to_string(c.answer));
    EXPECT_EQ(questions.mintFirstOperandPool()[0], c.refusedA);
    EXPECT_EQ(questions.mintFirstOperandPool()[1], c.a);
    EXPECT_EQ(questions.mintSecondOperandPool()[0], c.refusedB);
    EXPECT_EQ(questions.mintSecondOperandPool()[1], c.b);

    // Minus redraws at once; the others let a waiting click run, which
    // finds the draw busy and cannot start another in the middle of it.
    EXPECT_EQ(click.ran, c.yields);
    if (c.yields) {
        EXPECT_TRUE(click.whileDrawing);
        EXPECT_TRUE(click.secondDrawRefused);
        EXPECT_EQ(click.pointer, forms::Hourglass);
        EXPECT_EQ(questions.stage(), c.stage);
    }
    EXPECT_FALSE(questions.isDrawing());
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
    ASSERT_EQ(drawing.count(), 2);
    EXPECT_TRUE(drawing.at(0).at(0).toBool());
    EXPECT_FALSE(drawing.at(1).at(0).toBool());
}

INSTANTIATE_TEST_SUITE_P(Stages, MathsDrawTest,
                         ::testing::Values(Refusal{2, 3, 8, 5, 5, 0, false},
                                           Refusal{3, 20, 50, 27, 37, 999, true},
                                           Refusal{4, 7, 2, 6, 6, 1, true}),
                         [](const ::testing::TestParamInfo<Refusal> &stageCase) {
                             return "Stage" + std::to_string(stageCase.param.stage);
                         });

// Stage 5: the operation stays with its question through every redraw; once
// ten sums have taken the pools' slots, operands avoid those ten but may
// repeat each other, and only a repeated pair of operands is refused,
// whatever the operations.
TEST(MathsDrawTest, AllStageKeepsOperationsAndPoolsFillWithRefusedSums)
{
    ScriptedDraws draws;
    draws.operation(4);
    for (int k = 1; k <= 10; ++k)
        draws.pair(k, k + 10); // no whole quotient: refused, into the pools
    draws.pair(30, 30);
    draws.operation(1);
    draws.operand(5);   // held by the first pool: drawn again
    draws.pair(30, 30); // the sum of question 0 again: refused
    draws.pair(31, 30);
    MathsQuestions questions(draws.source());

    ASSERT_TRUE(questions.GenerateQuestions(5, 50, 10));
    EXPECT_TRUE(draws.allDrawn());
    EXPECT_EQ(questions.mintQuestionOperator()[0], 4);
    EXPECT_EQ(questions.mintFirstOperand()[0], 30);
    EXPECT_EQ(questions.mintSecondOperand()[0], 30);
    EXPECT_EQ(questions.StageAnswer(0), 1);
    EXPECT_EQ(questions.OperatorSymbol(0).toStdString(), "/");

    EXPECT_EQ(questions.mintQuestionOperator()[1], 1);
    EXPECT_EQ(questions.mintFirstOperand()[1], 31);
    EXPECT_EQ(questions.mintSecondOperand()[1], 30);
    EXPECT_EQ(questions.CorrectAnswer(1), 61);
    EXPECT_EQ(questions.OperatorSymbol(1).toStdString(), "+");

    std::vector<int> first, second;
    for (int k = 1; k <= 10; ++k) {
        first.push_back(k);
        second.push_back(k + 10);
    }
    EXPECT_EQ(questions.mintFirstOperandPool(), first);
    EXPECT_EQ(questions.mintSecondOperandPool(), second);
    for (int i = 2; i < 10; ++i) {
        EXPECT_GT(questions.mintFirstOperand()[std::size_t(i)], 10) << i;
        EXPECT_GT(questions.CorrectAnswer(i), -1) << i;
    }
}

// Eleven operands for ten division questions: ten refused sums fill the
// pools with 1 to 10 and 2 to 11, which leaves 11 / 1 as the only sum. The
// draw stops after it, rather than redraw for ever, and leaves no half set.
TEST(MathsDrawTest, ADrawThatCanAskNoMoreSumsEnds)
{
    ScriptedDraws draws(11);
    for (int k = 1; k <= 10; ++k)
        draws.pair(k, k + 1);
    MathsQuestions questions(draws.source());

    EXPECT_FALSE(questions.GenerateQuestions(4, 11, 10));
    EXPECT_TRUE(draws.allDrawn());
    EXPECT_FALSE(questions.isDrawing());
    EXPECT_EQ(questions.mintFirstOperand(), std::vector<int>(10, 0));
    EXPECT_EQ(questions.mintFirstOperandPool(), std::vector<int>(10, 0));
}

// The window that owns the generator goes while a draw yields: the draw
// stops there and touches nothing of it.
TEST(MathsDrawTest, AGeneratorDeletedDuringADrawEndsIt)
{
    ScriptedDraws draws;
    draws.pair(20, 50);
    auto *questions = new MathsQuestions(draws.source());
    QTimer::singleShot(0, questions, [questions] { delete questions; });
    const QPointer<MathsQuestions> alive(questions);

    EXPECT_FALSE(questions->GenerateQuestions(3, 50, 10));
    EXPECT_TRUE(alive.isNull());
    delete alive.data();
    EXPECT_EQ(forms::Screen::MousePointer(), forms::DefaultPointer);
}

} // namespace
