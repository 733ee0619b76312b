#pragma once

#include "exercises/keyboard/keyboards/KeyImages.h"
#include "platform/core/TwipsGeometry.h"
#include "platform/forms/Form.h"

#include <QLabel>

#include <memory>
#include <vector>

namespace controls {
class SSCommand;
class SSPanel;
class SoundPlayer;
} // namespace controls

namespace keyboards {
struct KeyboardForm;
class KeyCells;
} // namespace keyboards

class clsGujKeyboard;
class clsGujNumKeyboard;

// An on-screen keyboard beside an exercise window: frmKeyboard (34 letter
// keys) and frmNumKeyboard (10 digit keys) are this one window, told apart by
// their keyboards::KeyboardForm. It holds no answer: each accepted key click
// types the key's picture and number into the next free cell of its parent,
// the exercise window named by AttachFormControl, and Undo clears the last.
//
// The parent makes a new keyboard for each test: AttachFormControl, Load,
// PositionForm, then Show(false, parent). The keyboard belongs to its parent
// window: it closes when the parent unloads and refuses to be closed by the
// learner.
class frmKeyboard final : public forms::Form, private keyboards::KeyImages
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmKeyboard)

public:
    using Image = platform::TwipsGeometry<QLabel>;

    explicit frmKeyboard(const keyboards::KeyboardForm &design, QWidget *parent = nullptr);
    ~frmKeyboard() override;

    const keyboards::KeyboardForm &design() const { return m_design; }

    // The parent's form name; CurrentKeyIdx becomes -1. Called before Load.
    void AttachFormControl(const QString &vstrForm);
    // Centres parent and keyboard side by side, the keyboard against the
    // parent's right edge, and keeps the pair on the screen.
    void PositionForm();

    // The last filled parent cell; -1 when none is filled.
    int CurrentKeyIdx() const { return mintCurrentKeyIdx; }
    void setCurrentKeyIdx(int vintVal) { mintCurrentKeyIdx = vintVal; }

    // How long a clicked key stays lit (500 ms); tests shorten it.
    void setHighlightPause(int milliseconds) { m_highlightPause = milliseconds; }
    // The key that was lit last; -1 after a reset.
    int highlightedKey() const { return mintHighlightedKey; }
    // ImgLetter(i).Tag: the key's own index as text, once its picture loaded.
    QString keyTag(int key) const;

    controls::SSPanel *pnlBlank1 = nullptr;
    std::vector<controls::SSPanel *> pnlLetter;
    std::vector<Image *> ImgLetter;
    controls::SSCommand *cmdUndo = nullptr;
    controls::SoundPlayer *LetterSound = nullptr;

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool &Cancel, int UnloadMode) override;

private:
    void createControls();
    void ResetKeyboard();
    void ImgLetter_Click(int Index);
    void cmdUndo_Click();
    void LetterSound_PlayFinished();
    // The parent's cells, when the parent is one this keyboard serves and is
    // loaded; null otherwise.
    keyboards::KeyCells *parentCells() const;
    forms::Form *parentForm() const;
    QSize expectedOuterSize(const forms::Form &parent) const;
    void plainKey(int Index);
    void litKey(int Index);

    // keyboards::KeyImages
    int keyCount() const override;
    void setKeyPicture(int key, const QPixmap &picture) override;
    void setKeyTag(int key, const QString &tag) override;

    const keyboards::KeyboardForm &m_design;
    QString mstrParentForm;
    int mintCurrentKeyIdx = -1;
    bool mblnAcceptKey = true;
    int mintHighlightedKey = -1;
    int m_highlightPause = 500;
    std::unique_ptr<clsGujKeyboard> m_letterLoader;
    std::unique_ptr<clsGujNumKeyboard> m_digitLoader;
    std::vector<QString> m_keyTags;
};
