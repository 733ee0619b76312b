#include "exercises/keyboard/words/TestKeyboard.h"

#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "platform/controls/SSCommand.h"
#include "platform/services/MessageBoxStyle.h"
#include "shell/modMain.h"

namespace words {

TestKeyboard::TestKeyboard(const keyboards::KeyboardForm &design)
    : m_design(design)
{}

TestKeyboard::~TestKeyboard()
{
    delete m_keyboard.data();
}

void TestKeyboard::show(const QString &formName, forms::Form &owner)
{
    if (m_keyboard)
        m_keyboard->Unload();
    m_keyboard = new frmKeyboard(m_design);
    m_keyboard->AttachFormControl(formName);
    m_keyboard->Load();
    m_keyboard->PositionForm();
    m_keyboard->Show(false, &owner);
    m_keyboard->setDeleteOnUnload(true);
}

void TestKeyboard::unload()
{
    if (m_keyboard)
        m_keyboard->Unload();
}

frmKeyboard *TestKeyboard::loaded() const
{
    return m_keyboard && m_keyboard->isLoaded() ? m_keyboard.data() : nullptr;
}

int TestKeyboard::typed() const
{
    return m_keyboard ? m_keyboard->CurrentKeyIdx() + 1 : 0;
}

bool TestKeyboard::tooFewTyped(int fewest, QWidget *owner, const QString &message) const
{
    if (typed() >= fewest)
        return false;
    modMain::ShowMessageBox(owner, message, services::MessageBoxStyle::Exclamation);
    return true;
}

void TestKeyboard::answerTaken()
{
    if (!m_keyboard)
        return;
    m_keyboard->cmdUndo->hide();
    m_keyboard->setCurrentKeyIdx(-1);
}

} // namespace words
