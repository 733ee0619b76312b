#pragma once

#include "exercises/keyboard/words/WordCheck.h"
#include "exercises/keyboard/words/WordTestWindow.h"

#include <vector>

// The numbers course of levels 15 to 20. NumberStage 1 to 5 teaches one
// range of twenty numbers (1-20 .. 81-100) on a learning page of digit
// pictures with speaker buttons; NumberStage 0 covers 1 to 100 with a text
// page instead. A test speaks ten different numbers, drawn from positions 1
// to MAX_WORDS, which the learner types on the digit keypad into the three
// cells picKey; marking ticks or crosses each answer, shows the right numbers
// beside them and the score, and a pass at the stored level stores the next
// level. The dispatcher shows it modeless; it shows the main window again
// when it unloads, and asks before leaving a page that is not marked.
//
// The window reads its numbers, and judges its tests, from the level
// database it was opened on, also after a pass has moved the program on.
class frmLevel12 final : public words::WordTestWindow<3>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLevel12)

public:
    static constexpr int StudyNumbers = 20;
    static constexpr int Cells = 3;

    explicit frmLevel12(QWidget *parent = nullptr);
    ~frmLevel12() override;

    int questionCount() const { return words::KeyboardTest::Questions; }
    // The drawn position of each question.
    const std::vector<int> &testPicks() const { return mintTestPicks; }
    // The position (1..20, or 1..100 in full mode) asked in question 1..10.
    int questionPosition(int question) const;

private:
    void createControls();
    bool rangeMode() const;
    // The level whose numbers this window teaches.
    int ownLevel() const override;
    // Every number the window may ask must be typable on the keypad.
    bool canOpen() override;

    // The learning page of the range, or in full mode a line of text.
    void fillStartPage() override;
    // The test: ten numbers spoken, typed into their rows and marked against
    // the right ones.
    bool prepareTest() override;
    void ask(int question) override;
    int markAnswers() override;

    // The number data (frmLevel12Numbers.cpp).
    // The Words rows the window may play and the WordLetter rows it may draw.
    words::WordIds soundIds() const;
    words::WordIds letterIds() const;
    // What a place in the range adds up to its number.
    int numberShift() const;
    std::vector<int> GetWordLetters(int id);
    QString GetWordSoundFile(int id);
    void ShowWordLetters(int id, int row);
    void PickStudyWords();
    void LoadStudyWords();
    void PickTestWords();
    void LoadCorrectAnswers();

    std::vector<int> mintStudyWordIDs;
    std::vector<int> mintTestPicks;
    std::vector<int> mintTestUsed;
};
