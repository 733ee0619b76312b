#pragma once

#include "exercises/keyboard/words/WordTestWindow.h"

#include <vector>

// The spelling exercise of level 10. The study page shows 20 words drawn
// from the level's 60 as rows of letter pictures, each with a speaker button;
// the test speaks 10 of them and the learner spells each on the letter
// keyboard, which types into the six cells picKey; marking ticks or crosses
// each answer, shows the right spellings beside them and the score, and a
// pass at the stored level stores level 11. The dispatcher shows it modeless;
// it shows the main window again when it unloads, and never asks on leaving.
//
// The window reads its words, and judges its tests, from the level database
// it was opened on, also after a pass has moved the program on to level 11.
class frmLevel10 final : public words::WordTestWindow<6>
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLevel10)

public:
    static constexpr int StudyWords = 20;
    static constexpr int Questions = words::KeyboardTest::Questions;
    static constexpr int Cells = 6;

    explicit frmLevel10(QWidget *parent = nullptr);
    ~frmLevel10() override;

    // The WordID of each study word (row i + 1 shows word i).
    const std::vector<int> &studyWordIds() const { return mintStudyWordIDs; }
    // The study position (1..20) of each question's word.
    const std::vector<int> &testPicks() const { return mintTestPicks; }

private:
    void createControls();
    // Every word of the pool must be typable on the letter keyboard.
    bool canOpen() override;
    int ownLevel() const override;
    // A practice level that has moved on comes back to this window's level.
    void backToOwnLevel();

    // The study page: 20 words of the pool, each with its speaker.
    void fillStartPage() override;
    // The test: 10 of the study words spoken, spelt into their rows and
    // marked against their right spellings.
    bool prepareTest() override;
    int questionWordId(int question) const;
    void ask(int question) override;
    int markAnswers() override;

    // The word data (frmLevel10Words.cpp).
    void ShowWordLetters(int wordId, int rowIndex);
    void PickStudyWords();
    void LoadStudyWords();
    void PickTestWords();
    void LoadCorrectAnswers();
    QString GetWordSoundFile(int wordId);

    int mlngWordPoolSize = 60;
    std::vector<int> mintStudyWordIDs;
    std::vector<int> mintTestPicks;
    std::vector<int> mintPoolUsed;
    std::vector<int> mintTestUsed;
};
