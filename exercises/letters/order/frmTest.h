#pragma once

#include "exercises/letters/order/OrderControls.h"
#include "platform/core/TwipsGeometry.h"
#include "shell/levels/ExerciseForm.h"

#include <QLabel>

#include <memory>
#include <vector>

class clsGujTest;

namespace controls {
class AniGif;
class SSCommand;
class SSPanel;
class SoundPlayer;
} // namespace controls

namespace order {
struct Controls;
struct OrderTestForm;
} // namespace order

// The letter-order test window: frmTest8, frmTest10, frmTest12, frmTest16,
// frmTest18 and frmTest34 are this one window, told apart by their row of
// order::OrderTestForms. The level dispatcher loads it, sets its caption,
// shows it modally and reads Tag: "Next Level" once the learner has passed
// and pressed the next-level button.
class frmTest final : public levels::ExerciseForm, private order::OrderBoard, private order::Reward
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTest)

public:
    using Image = platform::TwipsGeometry<QLabel>;
    using Label = platform::TwipsGeometry<QLabel>;

    explicit frmTest(const order::OrderTestForm &design, QWidget *parent = nullptr);
    ~frmTest() override;

    void setNextLevelCaption(const QString &caption) override;

    const order::OrderTestForm &design() const { return m_design; }
    // The test itself, from Form_Load on; null before.
    const clsGujTest *engine() const { return mobjGujTest.get(); }
    int tileTag(int tile) const override;
    bool tileEnabled(int tile) const;

    controls::SSPanel *pnlBlank1 = nullptr;
    std::vector<controls::SSPanel *> pnlLetter;
    std::vector<Image *> ImgLetter;
    controls::AniGif *AnimCongrat = nullptr;
    controls::SSPanel *pnlBlank3 = nullptr;
    controls::SSPanel *pnlBlank2 = nullptr;
    std::vector<Image *> PicResult;
    Label *Text1 = nullptr;
    controls::SSPanel *pnlBlank4 = nullptr;
    controls::SSPanel *pnlBlank5 = nullptr;
    std::vector<Image *> PicOrder;
    controls::AniGif *TestInstructions = nullptr;
    controls::SoundPlayer *ApplauseSound = nullptr;
    controls::SSCommand *cmdExit = nullptr;
    controls::SSCommand *cmdReset = nullptr;
    controls::SSCommand *cmdUndo = nullptr;
    controls::SSCommand *cmdNextLevel = nullptr;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool &Cancel, int UnloadMode) override;

private:
    void createControls();
    void placeControls(const order::Controls &places);
    void ArrangeFor800x600();

    void ImgLetter_Click(int Index);
    void cmdUndo_Click();
    void cmdReset_Click();
    void cmdNextLevel_Click();
    void cmdExit_Click();

    // order::OrderBoard
    int tileCount() const override;
    QPixmap tilePicture(int tile) const override;
    void setTilePicture(int tile, const QPixmap &picture) override;
    void setTileTag(int tile, int letter) override;
    void setTileEnabled(int tile, bool enabled) override;
    void setTileFrame(int tile, int bevel, quint32 backColor) override;
    void setAnswerPicture(int slot, const QPixmap &picture) override;
    void setAnswerVisible(int slot, bool visible) override;
    void setOrderPicture(int slot, const QPixmap &picture) override;
    void setCorrectOrderVisible(bool visible) override;
    void setUndoVisible(bool visible) override;
    void setResetVisible(bool visible) override;
    void setNextLevelVisible(bool visible) override;
    void stopInstructions() override;
    void setDoNotDisplayMsgBox(bool on) override;
    void message(const QString &text, int style) override;

    // order::Reward
    void prepareReward(const QString &animationPath, const QString &soundPath) override;
    void startReward() override;
    void stopReward() override;

    const order::OrderTestForm &m_design;
    std::unique_ptr<clsGujTest> mobjGujTest;
    std::vector<int> m_tags;
    std::vector<bool> m_tileEnabled;
};
