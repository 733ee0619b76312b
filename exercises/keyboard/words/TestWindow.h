#pragma once

#include "exercises/keyboard/words/KeyboardTest.h"
#include "exercises/keyboard/words/WordLayout.h"
#include "shell/levels/ExerciseForm.h"

class frmKeyboard;

namespace controls {
class SSCommand;
class SSPanel;
} // namespace controls

namespace words {

struct KeyboardTestForm;

// A window that runs a keyboard test (spelling, numbers, maths): the
// controls that the test's flow shows and hides, the flow itself, and what
// the window gives it: what its questions are, how each is asked, answered
// and marked, and what its own pages show around them.
class TestWindow : public levels::ExerciseForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TestWindow)

public:
    using Label = words::Label;
    using Image = words::Image;

    // The keyboard of the test that is running; null outside a test.
    frmKeyboard *keyboard() const { return m_test.keyboard(); }
    // The question being answered, 1..10; 11 once marked.
    int currentQuestion() const { return m_test.currentQuestion(); }

    Label *lblHeading = nullptr;
    Label *lblTest = nullptr;
    controls::SSPanel *pnlBlank3 = nullptr;
    controls::SSPanel *pnlBlank5 = nullptr;
    controls::SSCommand *cmdExit = nullptr;
    controls::SSCommand *cmdStartTest = nullptr;
    controls::SSCommand *cmdNextWord = nullptr;
    controls::SSCommand *cmdMarkTest = nullptr;
    controls::SSCommand *cmdStartNewTest = nullptr;

protected:
    TestWindow(const KeyboardTestForm &form, QWidget *parent);
    ~TestWindow() override;

    void Form_Load() override;
    void Form_QueryUnload(bool &Cancel, int UnloadMode) override;
    void Form_Unload(bool &Cancel) override;

    KeyboardTest m_test;

private:
    friend class KeyboardTest;

    // Beyond the key set and the pass mark, which the flow checks: whether
    // the questions can be asked; if not, the report is pending.
    virtual bool canOpen() { return true; }
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
};

} // namespace words
