#include "exercises/keyboard/maths/MathsRules.h"

#include <cmath>

namespace maths {

int resultOf(int code, int a, int b)
{
    switch (code) {
    case Addition:
        return a + b;
    case Subtraction:
        return a - b;
    case Multiplication:
        return a * b;
    case Division:
        // Rounds as the default floating-point mode does: halves to even.
        return b == 0 ? 0 : int(std::nearbyint(double(a) / double(b)));
    default:
        return 0;
    }
}

QString symbolOf(int code)
{
    switch (code) {
    case Addition:
        return QStringLiteral("+");
    case Subtraction:
        return QStringLiteral("-");
    case Multiplication:
        return QStringLiteral("x");
    case Division:
        return QStringLiteral("/");
    default:
        return {};
    }
}

int operationOf(int stage, int questionCode)
{
    if (stage >= Addition && stage <= Division)
        return stage;
    return stage == AllStage ? questionCode : NoOperator;
}

bool stageAccepts(int stage, int code, int a, int b)
{
    if (stage == Addition)
        return true;
    switch (operationOf(stage, code)) {
    case Addition:
        return a + b <= LargestAnswer;
    case Subtraction:
        return a >= b;
    case Multiplication:
        // In double: a product of large operands must not wrap round to a small one.
        return double(a) * double(b) <= LargestAnswer;
    case Division:
        return b != 0 && a % b == 0 && a >= b;
    default:
        return false;
    }
}

} // namespace maths
