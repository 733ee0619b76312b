#include "exercises/keyboard/words/TestWindow.h"

#include "exercises/keyboard/words/KeyboardTestForms.h"

namespace words {

TestWindow::TestWindow(const KeyboardTestForm &form, QWidget *parent)
    : ExerciseForm(QString::fromLatin1(form.name), parent)
    , m_test(form, *this)
{}

TestWindow::~TestWindow() = default;

void TestWindow::Form_Load()
{
    m_test.load();
}

void TestWindow::Form_QueryUnload(bool &Cancel, int)
{
    m_test.queryUnload(Cancel);
}

void TestWindow::Form_Unload(bool &)
{
    m_test.unloaded();
}

} // namespace words
