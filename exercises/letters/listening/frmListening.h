#pragma once

#include "exercises/letters/listening/ListeningTest.h"
#include "exercises/letters/order/OrderControls.h"
#include "platform/core/TwipsGeometry.h"
#include "shell/levels/ExerciseForm.h"

#include <QLabel>

#include <memory>
#include <vector>

class QCheckBox;
class clsGujTest;

namespace controls {
class SSCommand;
class SSPanel;
class SoundPlayer;
} // namespace controls

namespace listening {
struct ListeningForm;
}

// The listening test window: frmLevel9 (the letters of level 9) and
// frmLevel19 (the vowel signs of level 12) are this one window, told apart
// by their row of listening::ListeningForms. The learner hears a letter drawn
// at random and clicks its picture, question by question; the last answer
// marks the row, shows the letters that were played below it and stores a
// pass itself. The rules are listening::ListeningTest's; the window plays
// its sounds and shows its step. The dispatcher loads it, sets its caption
// and shows it modally until it hides itself.
class frmListening final : public levels::ExerciseForm, private order::LetterTiles
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmListening)

public:
    using Image = platform::TwipsGeometry<QLabel>;
    using Label = platform::TwipsGeometry<QLabel>;

    explicit frmListening(const listening::ListeningForm &design, QWidget *parent = nullptr);
    ~frmListening() override;

    const listening::ListeningForm &design() const { return m_design; }
    // The letter numbers (1..N) played for each question of this test.
    const std::vector<int> &testLetters() const { return m_test.testLetters(); }
    // Questions answered so far.
    int question() const { return m_test.question(); }
    // The 0-based number of the letter a picture shows; -1 for none.
    int tileTag(int tile) const override;

    Label *lblHeading = nullptr;
    controls::SSPanel *pnlBlank1 = nullptr;
    std::vector<controls::SSPanel *> pnlLetter;
    std::vector<Image *> ImgLetter;
    controls::SSCommand *cmdUndo = nullptr;
    controls::SSCommand *cmdReset = nullptr;
    Label *lblTestLetter = nullptr;
    Label *lblCorrectOrFailed = nullptr;
    controls::SSPanel *pnlBlank3 = nullptr;
    controls::SSPanel *pnlBlank5 = nullptr;
    std::vector<controls::SSPanel *> pnlUser;
    // picUser and picCorrect of frmLevel9, PicResult and PicOrder of frmLevel19.
    std::vector<Image *> picUser;
    Label *Text1 = nullptr;
    controls::SSPanel *SSPanel1 = nullptr;
    controls::SSPanel *SSPanel2 = nullptr;
    std::vector<Image *> picCorrect;
    QCheckBox *chkRandomOrder = nullptr;
    controls::SSCommand *cmdBack = nullptr;
    controls::SSCommand *cmdRepeatLetter = nullptr;
    controls::SoundPlayer *LetterSound = nullptr;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool &Cancel, int UnloadMode) override;

private:
    void createControls();
    void ArrangeFor800x600();
    // The result in the designed font, made smaller when it would not fit
    // the label's width.
    void showResult(const QString &text);
    void createLetterGrid();
    void createRows();

    void cmdBack_Click();
    void cmdRepeatLetter_Click();
    void cmdUndo_Click();
    void cmdReset_Click();
    void ImgLetter_Click(int Index);
    void LetterSound_PlayFinished();

    void InitialiseTest();
    void playQuestion();
    void CheckAnswer(int Index);
    void FinishTest();
    // The multi-role button, the undo button and the rows as the step has them.
    void showStep();
    void plainFrame(int tile);
    QString progress(int number) const;

    // order::LetterTiles
    int tileCount() const override;
    QPixmap tilePicture(int tile) const override;
    void setTilePicture(int tile, const QPixmap &picture) override;
    void setTileTag(int tile, int letter) override;

    const listening::ListeningForm &m_design;
    std::unique_ptr<clsGujTest> mobjGujTest;
    std::vector<int> m_tags;
    listening::ListeningTest m_test;
    int mintSelected = -1;
};
