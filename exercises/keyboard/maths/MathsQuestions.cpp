#include "exercises/keyboard/maths/MathsQuestions.h"

#include "exercises/keyboard/maths/MathsRules.h"
#include "platform/forms/Screen.h"
#include "platform/services/DrawGenerator.h"
#include "platform/services/Yield.h"

#include <QPointer>

#include <algorithm>
#include <random>
#include <utility>

namespace maths {

MathsQuestions::MathsQuestions(Uniform uniform, QObject *parent)
    : QObject(parent)
    , m_uniform(std::move(uniform))
{
    if (!m_uniform) {
        m_uniform = [] {
            std::uniform_real_distribution<double> uniformValue(0.0, 1.0);
            return uniformValue(services::drawGenerator());
        };
    }
}

bool MathsQuestions::GenerateQuestions(int NumberStage, int MAX_WORDS, int mintQuestionCount)
{
    if (m_drawing)
        return false;
    forms::Screen::setMousePointer(forms::Hourglass);
    empty(mintQuestionCount);
    m_stage = NumberStage;
    m_maxOperand = MAX_WORDS;
    // With no more operands than questions a full pool leaves nothing to
    // draw, and the scan for an operand outside it would never end.
    const bool drawable = NumberStage >= 1 && NumberStage <= AllStage && mintQuestionCount >= 1 &&
                          MAX_WORDS > mintQuestionCount;
    Outcome outcome = Outcome::Hopeless;
    if (drawable) {
        setDrawing(true);
        outcome = drawSet();
        if (outcome == Outcome::Destroyed) {
            forms::Screen::setMousePointer(forms::DefaultPointer);
            return false;
        }
        setDrawing(false);
    }
    if (outcome != Outcome::Complete)
        empty(mintQuestionCount);
    forms::Screen::setMousePointer(forms::DefaultPointer);
    return outcome == Outcome::Complete;
}

MathsQuestions::Outcome MathsQuestions::drawSet()
{
    const QPointer<MathsQuestions> alive(this);
    for (int i = 0; i < questionCount(); ++i) {
        const std::size_t q = std::size_t(i);
        // Drawn once per question: a refused sum keeps its operation.
        if (m_stage == AllStage)
            m_operator[q] = DrawOperator();
        const int code = m_operator[q];
        bool askable = false;
        for (;;) {
            m_first[q] = DrawUniqueFirstOperand();
            m_second[q] = DrawUniqueSecondOperand();
            if (!repeatsEarlier(i)) {
                if (stageAccepts(m_stage, code, m_first[q], m_second[q]))
                    break;
                // Stage 2 refuses half its sums, quickly redrawn; the
                // rarer sums of the others let the window paint meanwhile.
                if (m_stage != Subtraction) {
                    services::DoEvents();
                    if (!alive)
                        return Outcome::Destroyed;
                }
            }
            // Once both pools are full the operands left to draw are fixed:
            // if no sum of them is left to ask, redrawing would never end.
            if (!askable && poolsFull()) {
                if (!canStillAsk(i, code))
                    return Outcome::Hopeless;
                askable = true;
            }
        }
    }
    return Outcome::Complete;
}

int MathsQuestions::DrawUniqueFirstOperand()
{
    return drawUnique(m_firstPool);
}

int MathsQuestions::DrawUniqueSecondOperand()
{
    return drawUnique(m_secondPool);
}

int MathsQuestions::DrawOperator()
{
    return drawFromOneTo(Division);
}

// Each call takes a free slot, also for a sum that is then refused; once the
// pool is full, values still avoid the ones it holds but may repeat each
// other.
int MathsQuestions::drawUnique(std::vector<int> &pool)
{
    int n = drawFromOneTo(m_maxOperand);
    for (std::size_t slot = 0; slot < pool.size();) {
        if (pool[slot] == n) {
            n = drawFromOneTo(m_maxOperand);
            slot = 0;
        } else {
            ++slot;
        }
    }
    const auto free = std::find(pool.begin(), pool.end(), 0);
    if (free != pool.end())
        *free = n;
    return n;
}

int MathsQuestions::drawFromOneTo(int n)
{
    // A uniform draw may round up to 1.0 itself.
    return std::clamp(int(m_uniform() * n) + 1, 1, n);
}

bool MathsQuestions::repeatsEarlier(int i) const
{
    for (std::size_t j = 0; j < std::size_t(i); ++j) {
        if (m_first[j] == m_first[std::size_t(i)] && m_second[j] == m_second[std::size_t(i)])
            return true;
    }
    return false;
}

bool MathsQuestions::poolsFull() const
{
    const auto full = [](const std::vector<int> &pool) {
        return std::find(pool.begin(), pool.end(), 0) == pool.end();
    };
    return full(m_firstPool) && full(m_secondPool);
}

// Whether some operands outside the full pools make a sum that the stage
// asks and that no earlier question has.
bool MathsQuestions::canStillAsk(int i, int code) const
{
    const auto in = [](const std::vector<int> &pool, int n) {
        return std::find(pool.begin(), pool.end(), n) != pool.end();
    };
    for (int a = 1; a <= m_maxOperand; ++a) {
        if (in(m_firstPool, a))
            continue;
        for (int b = 1; b <= m_maxOperand; ++b) {
            if (in(m_secondPool, b) || !stageAccepts(m_stage, code, a, b))
                continue;
            bool asked = false;
            for (std::size_t j = 0; j < std::size_t(i) && !asked; ++j)
                asked = m_first[j] == a && m_second[j] == b;
            if (!asked)
                return true;
        }
    }
    return false;
}

void MathsQuestions::setDrawing(bool drawing)
{
    m_drawing = drawing;
    emit drawingChanged(drawing);
}

void MathsQuestions::empty(int count)
{
    const std::size_t n = std::size_t(std::max(count, 0));
    for (std::vector<int> *array : {&m_first, &m_second, &m_operator, &m_firstPool, &m_secondPool})
        array->assign(n, 0);
}

int MathsQuestions::CorrectAnswer(int i) const
{
    if (!has(i))
        return 0;
    const std::size_t q = std::size_t(i);
    return resultOf(m_operator[q], m_first[q], m_second[q]);
}

int MathsQuestions::StageAnswer(int i) const
{
    if (!has(i))
        return 0;
    const std::size_t q = std::size_t(i);
    return resultOf(operationOf(m_stage, m_operator[q]), m_first[q], m_second[q]);
}

QString MathsQuestions::OperatorSymbol(int i) const
{
    return has(i) ? symbolOf(m_operator[std::size_t(i)]) : QString();
}

QString MathsQuestions::DigitString(int n)
{
    return QString::number(n);
}

} // namespace maths
