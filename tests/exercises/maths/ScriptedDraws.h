#pragma once

#include "exercises/keyboard/maths/MathsQuestions.h"

#include <random>
#include <vector>

// Uniform values that land on the operands and operations a test names, in
// the order the generator draws them; seeded random values after them.
class ScriptedDraws
{
public:
    explicit ScriptedDraws(int maxOperand = 50)
        : m_maxOperand(maxOperand)
    {}

    ScriptedDraws &operand(int n)
    {
        m_values.push_back((n - 0.5) / m_maxOperand);
        return *this;
    }
    ScriptedDraws &pair(int a, int b) { return operand(a).operand(b); }
    ScriptedDraws &operation(int code)
    {
        m_values.push_back((code - 0.5) / 4);
        return *this;
    }

    maths::MathsQuestions::Uniform source()
    {
        return [this] {
            if (m_next < m_values.size())
                return m_values[m_next++];
            return std::uniform_real_distribution<double>(0.0, 1.0)(m_rest);
        };
    }

    bool allDrawn() const { return m_next == m_values.size(); }

private:
    int m_maxOperand;
    std::vector<double> m_values;
    std::size_t m_next = 0;
    std::mt19937 m_rest{2024};
};
