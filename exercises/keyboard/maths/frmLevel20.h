#pragma once

#include "exercises/keyboard/maths/MathsQuestions.h"
#include "exercises/keyboard/words/TestWindow.h"
#include "exercises/keyboard/words/WordRows.h"

#include <array>

namespace controls {
class SSPanel;
}

// The maths exercise of levels 21 to 25: NumberStage 1 to 4 asks sums of one
// operation (plus, minus, multiplication, division), 5 mixes them. A test
// draws ten sums and reveals them row by row; the learner types each answer
// as up to three digits on the digit keypad into the cells picKey. Marking
// ticks or crosses every answer, shows the right ones and the score, and a
// pass at the stored level stores the next level. Numbers are ASCII digit
// strings in panels of the key font, which shows them as Gujarati numerals.
//
// The dispatcher shows it modeless; it shows the main window again when it
// unloads, and asks before leaving a test that is not marked. While a set of
// sums is being drawn the message loop runs: starting again and leaving wait
// until the set is complete. The window judges its tests by the level
// database it was opened on, also after a pass has moved the program on.
class frmLevel20 final : public words::TestWindow, public words::PictureKeys<3>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLevel20)

public:
    static constexpr int Questions = words::KeyboardTest::Questions;

    // uniform: the generator's draws; by default the run's random ones.
    explicit frmLevel20(maths::MathsQuestions::Uniform uniform = {}, QWidget *parent = nullptr);
    ~frmLevel20() override;

    const maths::MathsQuestions &questions() const { return *m_questions; }

    Label *lblAnswer = nullptr;
    // Row k (0 first): its number, the two operands and the learner's answer,
    // the operator and "=", the right answer and the mark.
    std::array<Label *, Questions> lblWord{};
    std::array<std::array<controls::SSPanel *, 3>, Questions> pnlNumber{};
    std::array<std::array<controls::SSPanel *, 2>, Questions> pnlNumberSymbol{};
    std::array<controls::SSPanel *, Questions> pnlAnswer{};
    std::array<Image *, Questions> imgMarked{};

protected:
    void Form_Load() override;

private:
    void createControls();
    bool knownStage() const;

    // The test's part of the window: the sums are the window's own, so only
    // the keypad and the pass mark come from the level; a start page that
    // says what the level tests; ten sums revealed row by row, their answers
    // typed as digits and marked against the right ones.
    void fillStartPage() override;
    bool prepareTest() override;
    void ask(int question) override;
    void takeAnswer(int question) override;
    int markAnswers() override;
    // The level whose sums this window asks.
    int ownLevel() const override;
    bool busy() const override { return m_questions->isDrawing(); }

    // Whether the window is still there afterwards.
    bool NewQuestionSet();
    void DisplayQuestions();
    void ResetRows();

    maths::MathsQuestions *m_questions = nullptr;
};
