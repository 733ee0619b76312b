// The keyboard window's controls, placed as designed.
#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/ImageEvents.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"

namespace {

constexpr quint32 Grey = 0x808080;
constexpr quint32 KeyFace = 0xE0E0E0;
constexpr int KeyWidth = 615;
constexpr int KeyHeight = 735;
constexpr int Inset = 120;
constexpr int ImageWidth = 375;
constexpr int ImageHeight = 495;

} // namespace

void frmKeyboard::createControls()
{
    // A tool window without a close box: it comes and goes with its exercise.
    setBorderStyle(forms::FixedToolWindow);
    setMinButton(false);
    setMaxButton(false);
    setControlBox(false);
    setClientSize(m_design.clientWidth, m_design.clientHeight);

    pnlBlank1 = new controls::SSPanel(this);
    pnlBlank1->setBackColor(Grey);
    pnlBlank1->Move(0, 0, m_design.clientWidth, m_design.clientHeight);

    for (int i = 0; i < m_design.keys; ++i) {
        const keyboards::KeyPlace place = m_design.keyPlace(i);
        auto *key = new controls::SSPanel(pnlBlank1);
        key->setBackColor(KeyFace);
        key->setBevelOuter(1);
        key->setBevelSecond(2);
        key->Move(place.left, place.top, KeyWidth, KeyHeight);
        auto *image = new Image(key);
        image->setScaledContents(true);
        image->Move(Inset, Inset, ImageWidth, ImageHeight);
        auto *events = new ImageEvents(image);
        connect(events, &ImageEvents::Click, this, [this, i] { ImgLetter_Click(i); });
        pnlLetter.push_back(key);
        ImgLetter.push_back(image);
    }
    m_keyTags.assign(std::size_t(m_design.keys), QString());

    cmdUndo = new controls::SSCommand(QStringLiteral("&Undo"), pnlBlank1);
    cmdUndo->Move(m_design.undoLeft, m_design.undoTop, 1575, 375);
    cmdUndo->setFont(controls::timesNewRoman(12, true));
    cmdUndo->setForeColor(0xC000C0);
    cmdUndo->hide();

    LetterSound = new controls::SoundPlayer(this);
    LetterSound->setVisible(false);

    connect(cmdUndo, &controls::SSCommand::Click, this, &frmKeyboard::cmdUndo_Click);
    connect(LetterSound, &controls::SoundPlayer::PlayFinished, this,
            &frmKeyboard::LetterSound_PlayFinished);
}
