#include "exercises/letters/listening/ListeningTest.h"

#include "platform/core/RuntimeError.h"
#include "platform/services/DrawGenerator.h"
#include "shell/Guarded.h"
#include "shell/modMain.h"

#include <algorithm>
#include <random>
#include <utility>

namespace listening {

ListeningTest::ListeningTest(int questions, std::function<int()> passMark)
    : m_questions(questions)
    , m_passMark(std::move(passMark))
{}

void ListeningTest::newTest(int letters)
{
    const auto q = std::size_t(m_questions);
    m_answers.assign(q, 0);
    m_used.assign(std::size_t(std::max(letters, 0)) + 1, 0);
    m_testLetters.assign(q, 0);
    for (std::size_t i = 0; i < q; ++i)
        m_testLetters[i] = drawLetter();
    m_question = 0;
    m_heard = false;
    m_soundQuestion = -1;
    m_step = Step::Ready;
}

// A letter not yet drawn in this test, drawn among the free ones, so the draw
// always ends.
int ListeningTest::drawLetter()
{
    int letter = 0;
    guarded([&] {
        std::vector<int> free;
        for (int k = 1; k < int(m_used.size()); ++k) {
            if (std::find(m_used.begin() + 1, m_used.end(), k) == m_used.end())
                free.push_back(k);
        }
        if (free.empty())
            throw platform::RuntimeError(platform::err::SubscriptOutOfRange, {});
        std::uniform_int_distribution<std::size_t> pick(0, free.size() - 1);
        letter = free[pick(services::drawGenerator())];
        *std::find(m_used.begin() + 1, m_used.end(), 0) = letter;
    });
    return letter;
}

int ListeningTest::ask()
{
    m_step = Step::Asking;
    m_soundQuestion = m_question;
    m_heard = false;
    m_playing = true;
    return m_testLetters.at(std::size_t(m_question));
}

void ListeningTest::replay()
{
    m_playing = true;
}

void ListeningTest::soundEnded()
{
    m_playing = false;
    m_heard = m_soundQuestion == m_question;
}

bool ListeningTest::takesAnswer() const
{
    return m_step == Step::Asking && m_heard;
}

bool ListeningTest::answer(int letter)
{
    const auto q = std::size_t(m_question);
    m_answers.at(q) = letter;
    m_heard = false;
    ++m_question;
    if (m_question < m_questions)
        m_step = Step::Answered;
    else
        m_step = modMain::MeetsPassMark(rightAnswers(), m_questions, m_passMark()) ? Step::Passed
                                                                                   : Step::Failed;
    return isRight(int(q));
}

bool ListeningTest::undo()
{
    if (m_step != Step::Answered)
        return false;
    --m_question;
    m_answers[std::size_t(m_question)] = 0;
    m_heard = true;
    m_step = Step::Asking;
    return true;
}

bool ListeningTest::isRight(int question) const
{
    const auto q = std::size_t(question);
    return q < m_answers.size() && m_answers[q] != 0 && m_answers[q] == m_testLetters[q];
}

int ListeningTest::rightAnswers() const
{
    int right = 0;
    for (int i = 0; i < m_questions; ++i)
        right += isRight(i) ? 1 : 0;
    return right;
}

} // namespace listening
