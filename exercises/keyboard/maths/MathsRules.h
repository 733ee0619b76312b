#pragma once

#include <QString>

// The four operations of the maths exercise, by the codes its questions
// carry, and which sums each stage asks.
namespace maths {

enum OperatorCode : int
{
    NoOperator = 0, // the stage gives the operation (stages 1 to 4)
    Addition = 1,
    Subtraction = 2,
    Multiplication = 3,
    Division = 4,
};

// The stage that asks every operation, one drawn per question.
inline constexpr int AllStage = 5;
// The answer cells take three digits.
inline constexpr int LargestAnswer = 999;

// a op b by code; a division rounds to the nearest whole number, halves to
// the even one. 0 for any other code and for a division by 0.
int resultOf(int code, int a, int b);

// "+", "-", "x", "/"; the empty string for any other code.
QString symbolOf(int code);

// The operation a question of this stage asks: the stage itself in stages 1
// to 4, the question's own code in stage 5, else NoOperator.
int operationOf(int stage, int questionCode);

// Whether the stage asks a op b (code: the question's own, read in stage 5):
// never a negative difference, a product or a stage-5 sum above 999, or a
// quotient that is not whole. Stage 1 asks every sum.
bool stageAccepts(int stage, int code, int a, int b);

} // namespace maths
