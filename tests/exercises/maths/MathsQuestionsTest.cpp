// The sums of the maths levels, drawn by the run's own random generator:
// what every set must hold whatever the draws.
#include "exercises/keyboard/maths/MathsQuestions.h"

#include "exercises/keyboard/maths/MathsRules.h"

#include <QSignalSpy>

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace {

using maths::MathsQuestions;

// The sums a stage asks, worked out here without the generator's rule.
bool asked(int operation, int a, int b)
{
    switch (operation) {
    case 1:
        return true;
    case 2:
        return a - b >= 0;
    case 3:
        return a * b < 1000;
    case 4:
        return a >= b && (a / b) * b == a;
    }
    return false;
}

int worked(int operation, int a, int b)
{
    switch (operation) {
    case 1:
        return a + b;
    case 2:
        return a - b;
    case 3:
        return a * b;
    case 4:
        return a / b;
    }
    return -1;
}

bool distinct(const std::vector<int> &values)
{
    return std::set<int>(values.begin(), values.end()).size() == values.size();
}

// One generator for every stage in turn, as one window draws test after
// test: nothing of a set may carry over into the next.
TEST(MathsQuestionsTest, EveryStageKeepsItsRulesOverManySets)
{
    MathsQuestions questions;
    std::set<std::vector<int>> additionSets;
    std::set<int> operations;
    int divisionsByThemselves = 0;
    for (int round = 0; round < 400; ++round) {
        for (int stage = 1; stage <= 5; ++stage) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", stage " << stage);
            ASSERT_TRUE(questions.GenerateQuestions(stage, 50, 10));
            ASSERT_EQ(questions.questionCount(), 10);
            EXPECT_EQ(questions.stage(), stage);
            const std::vector<int> &first = questions.mintFirstOperand();
            const std::vector<int> &second = questions.mintSecondOperand();
            std::set<std::pair<int, int>> pairs;
            for (std::size_t i = 0; i < 10; ++i) {
                const int a = first[i];
                const int b = second[i];
                const int code = questions.mintQuestionOperator()[i];
                ASSERT_GE(a, 1);
                ASSERT_LE(a, 50);
                ASSERT_GE(b, 1);
                ASSERT_LE(b, 50);
                EXPECT_TRUE(pairs.insert({a, b}).second) << a << ", " << b;
                const int operation = stage == 5 ? code : stage;
                if (stage == 5) {
                    ASSERT_GE(code, 1);
                    ASSERT_LE(code, 4);
                    operations.insert(code);
                    EXPECT_EQ(questions.CorrectAnswer(int(i)), questions.StageAnswer(int(i)));
                } else {
                    EXPECT_EQ(code, 0);
                    EXPECT_EQ(questions.OperatorSymbol(int(i)).toStdString(), "");
                }
                EXPECT_TRUE(asked(operation, a, b)) << a << " " << operation << " " << b;
                EXPECT_EQ(questions.StageAnswer(int(i)), worked(operation, a, b));
                divisionsByThemselves += operation == 4 && a == b ? 1 : 0;
            }
            // Every value handed out while the pool had room is a different one.
            for (const auto *pool :
                 {&questions.mintFirstOperandPool(), &questions.mintSecondOperandPool()}) {
                EXPECT_TRUE(distinct(*pool));
                EXPECT_EQ(std::count(pool->begin(), pool->end(), 0), 0);
            }
            // Plus refuses nothing: the ten sums are the ten draws of each pool.
            if (stage == 1) {
                EXPECT_TRUE(distinct(first));
                EXPECT_TRUE(distinct(second));
                EXPECT_EQ(first, questions.mintFirstOperandPool());
                EXPECT_EQ(second, questions.mintSecondOperandPool());
                additionSets.insert(first);
            }
        }
    }
    // Test after test differs, and stage 5 asks all four operations.
    EXPECT_GT(additionSets.size(), 390u);
    EXPECT_EQ(operations, (std::set<int>{1, 2, 3, 4}));
    EXPECT_GT(divisionsByThemselves, 0);
}

TEST(MathsQuestionsTest, StageRulesAndAnswersAtTheirEdges)
{
    using namespace maths;
    // The answer cells hold three digits: 27 x 37 = 999 is asked, 20 x 50 = 1000 is not.
    EXPECT_TRUE(stageAccepts(3, NoOperator, 27, 37));
    EXPECT_FALSE(stageAccepts(3, NoOperator, 20, 50));
    EXPECT_TRUE(stageAccepts(5, Multiplication, 37, 27));
    EXPECT_FALSE(stageAccepts(5, Multiplication, 50, 20));
    // Stage 1 asks any sum, a stage-5 sum only up to 999.
    EXPECT_TRUE(stageAccepts(1, NoOperator, 500, 500));
    EXPECT_TRUE(stageAccepts(5, Addition, 500, 499));
    EXPECT_FALSE(stageAccepts(5, Addition, 500, 500));
    EXPECT_TRUE(stageAccepts(2, NoOperator, 5, 5));
    EXPECT_FALSE(stageAccepts(5, Subtraction, 4, 5));
    EXPECT_TRUE(stageAccepts(4, NoOperator, 6, 6));
    EXPECT_FALSE(stageAccepts(4, NoOperator, 7, 2));
    EXPECT_FALSE(stageAccepts(5, Division, 2, 4));
    // Outside the five stages, and an operation a stage-5 question lacks.
    EXPECT_FALSE(stageAccepts(0, Addition, 1, 1));
    EXPECT_FALSE(stageAccepts(5, NoOperator, 1, 1));

    EXPECT_EQ(resultOf(Division, 48, 6), 8);
    // Halves round to the even neighbour (never drawn, but so the answer is worked).
    EXPECT_EQ(resultOf(Division, 5, 2), 2);
    EXPECT_EQ(resultOf(Division, 7, 2), 4);
    EXPECT_EQ(resultOf(NoOperator, 7, 2), 0);
    EXPECT_EQ(symbolOf(Multiplication).toStdString(), "x");
    EXPECT_EQ(symbolOf(Division).toStdString(), "/");
    EXPECT_EQ(symbolOf(7).toStdString(), "");
}

TEST(MathsQuestionsTest, DigitStringsAreBareAsciiDigits)
{
    EXPECT_EQ(MathsQuestions::DigitString(0).toStdString(), "0");
    EXPECT_EQ(MathsQuestions::DigitString(7).toStdString(), "7");
    EXPECT_EQ(MathsQuestions::DigitString(50).toStdString(), "50");
    EXPECT_EQ(MathsQuestions::DigitString(100).toStdString(), "100");
    EXPECT_EQ(MathsQuestions::DigitString(999).toStdString(), "999");
    EXPECT_EQ(MathsQuestions::DigitString(1000).toStdString(), "1000");
}

// The window reads a row before the first test and past the last one.
TEST(MathsQuestionsTest, NoSuchQuestionHasNoSymbolAndNoAnswer)
{
    MathsQuestions questions;
    EXPECT_EQ(questions.OperatorSymbol(0).toStdString(), "");
    EXPECT_EQ(questions.StageAnswer(0), 0);
    ASSERT_TRUE(questions.GenerateQuestions(5, 50, 10));
    EXPECT_FALSE(questions.OperatorSymbol(9).isEmpty());
    EXPECT_EQ(questions.OperatorSymbol(10).toStdString(), "");
    EXPECT_EQ(questions.OperatorSymbol(-1).toStdString(), "");
    EXPECT_EQ(questions.CorrectAnswer(10), 0);
}

// A stage outside 1 to 5 draws nothing, and so do operands too few to keep
// ten questions apart: a full pool would leave nothing to draw.
TEST(MathsQuestionsTest, InputsThatMakeNoSetLeaveTheSetEmptyAtOnce)
{
    MathsQuestions questions;
    ASSERT_TRUE(questions.GenerateQuestions(3, 50, 10));
    QSignalSpy drawing(&questions, &MathsQuestions::drawingChanged);
    for (const auto &[stage, maxOperand] :
         std::vector<std::pair<int, int>>{{0, 50}, {6, 50}, {1, 10}, {4, 5}}) {
        SCOPED_TRACE(testing::Message() << stage << " " << maxOperand);
        EXPECT_FALSE(questions.GenerateQuestions(stage, maxOperand, 10));
        EXPECT_EQ(questions.mintFirstOperand(), std::vector<int>(10, 0));
        EXPECT_EQ(questions.mintSecondOperand(), std::vector<int>(10, 0));
        EXPECT_EQ(questions.mintSecondOperandPool(), std::vector<int>(10, 0));
        EXPECT_FALSE(questions.isDrawing());
    }
    EXPECT_EQ(drawing.count(), 0);
}

} // namespace
