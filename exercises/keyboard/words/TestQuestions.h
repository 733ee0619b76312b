#pragma once

namespace words {

// What a keyboard test window gives the test flow (KeyboardTest): what its
// questions are, how each is asked and answered, how the answers are
// marked, and what its own pages show around them.
class TestQuestions
{
public:
    // Beyond the key set and the pass mark, which the flow checks: whether
    // the questions can be asked; if not, the report is pending.
    virtual bool canOpen() = 0;
    // The page before a test; the flow then offers "Start Test".
    virtual void fillStartPage() = 0;
    // The test page, with a new test's questions drawn into hidden rows.
    // Whether the window is still there afterwards.
    virtual bool prepareTest() = 0;
    // Plays or shows question 1 .. KeyboardTest::Questions.
    virtual void ask(int question) = 0;
    // The typed keys become the answer of that question, the cells empty.
    virtual void takeAnswer(int question) = 0;
    // The marked page: ticks or crosses and the right answers. The number
    // right.
    virtual int markAnswers() = 0;
    // The level whose pass the test stores.
    virtual int ownLevel() const = 0;
    // While the questions are being drawn with the message loop running, a
    // test does not start again and the learner does not leave.
    virtual bool busy() const { return false; }

protected:
    TestQuestions() = default;
    ~TestQuestions() = default;
    TestQuestions(const TestQuestions &) = default;
    TestQuestions &operator=(const TestQuestions &) = default;
};

} // namespace words
