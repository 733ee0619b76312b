#pragma once

#include "platform/core/TwipsGeometry.h"
#include "shell/levels/ExerciseForm.h"

#include <QLabel>

#include <vector>

class QEventLoop;

namespace controls {
class SSCommand;
class SSPanel;
class SoundPlayer;
} // namespace controls

// The syllable chart of level 13: one consonant with each of the twelve
// vowel signs. Clicking a syllable shows how it is built and speaks its
// parts; "Play All" speaks the twelve in turn. Nothing is tested or stored.
// The level dispatcher loads it, shows it modally and unloads it once it is
// hidden ("&Main Menu" sets Tag "Exit").
class frmLevel25 final : public levels::ExerciseForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLevel25)

public:
    using Label = platform::TwipsGeometry<QLabel>;

    explicit frmLevel25(QWidget *parent = nullptr);
    ~frmLevel25() override;

    // No recording and no sequence runs, and no refill is under way.
    bool idle() const;
    int letter() const { return mintLetter; }
    int maxLetter() const { return mintMaxLetter; }
    // How long a recording may play before the chart stops it and goes on,
    // for a player that never reports its end.
    void setRecordingLimit(int milliseconds) { m_recordingLimit = milliseconds; }

    Label *lblHeading = nullptr;
    Label *Label1 = nullptr;
    std::vector<controls::SSPanel *> pnlLetter1;
    controls::SSCommand *cmdPreviousLetter = nullptr;
    controls::SSCommand *cmdPlayAll1 = nullptr;
    controls::SSCommand *cmdNextLetter = nullptr;
    controls::SSPanel *pnlResult1 = nullptr;
    controls::SSPanel *pnlResult2 = nullptr;
    controls::SSPanel *pnlResult3 = nullptr;
    controls::SSPanel *pnlResult4 = nullptr;
    controls::SSPanel *pnlResult5 = nullptr;
    controls::SSCommand *cmdBack = nullptr;
    controls::SoundPlayer *LetterSound = nullptr;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool &Cancel, int UnloadMode) override;

private:
    void createControls();
    void ArrangeFor800x600();
    // Whether the level's configuration gives the chart consonants to step
    // through; if not, the report is pending.
    bool LoadConfiguration();
    void ShowConsonant();
    void FillSyllables(const QString &consonantKey);
    void ShowBreakdown(const controls::SSPanel &syllable);
    void refill();
    // Lights `panel` (when given) and plays a stored path to its end, or
    // until the recording limit when the player never reports one.
    void PlayAndWait(const QString &storedPath, controls::SSPanel *panel);

    void cmdBack_Click();
    void cmdNextLetter_Click();
    void cmdPreviousLetter_Click();
    void pnlLetter1_Click(int Index);
    void cmdPlayAll1_Click();
    void LetterSound_PlayFinished();

    bool mblnStopPlayAll = false;
    bool mblnSoundDone = true;
    bool mblnBusy = false;
    // Held from the first recording of a sequence to its last: a click that
    // waited for a recording to end must not start a second sequence inside
    // the first, nor leave the window half-way.
    bool mblnSequence = false;
    int mintLetter = 0;
    int mintMaxLetter = 0;
    controls::SSPanel *mobjLitPanel = nullptr;
    QEventLoop *m_waiting = nullptr;
    int m_recordingLimit;
};
