#pragma once

#include <QPointer>
#include <QString>

class frmKeyboard;
class QWidget;

namespace forms {
class Form;
}

namespace keyboards {
struct KeyboardForm;
}

namespace words {

// The keyboard of an exercise window's test: a new one for every test (a form
// loads only once), shown beside its window and owned by it, unloaded when
// the test is marked and gone with the window at the latest.
class TestKeyboard final
{
public:
    explicit TestKeyboard(const keyboards::KeyboardForm &design);
    ~TestKeyboard();
    TestKeyboard(const TestKeyboard &) = delete;
    TestKeyboard &operator=(const TestKeyboard &) = delete;

    // The window's form name, by which the keyboard finds its cells.
    void show(const QString &formName, forms::Form &owner);
    // Deleted later: the marking click may have come in during a key's
    // highlight.
    void unload();
    // The keyboard of the running test; null outside one.
    frmKeyboard *loaded() const;
    // The keys typed into the window's cells so far.
    int typed() const;
    // Fewer than `fewest` keys typed: the message, with the exclamation
    // icon, over owner; nothing else changes.
    bool tooFewTyped(int fewest, QWidget *owner, const QString &message) const;
    // The window has taken the typed keys: Undo hidden, no cell filled.
    void answerTaken();

private:
    const keyboards::KeyboardForm &m_design;
    QPointer<frmKeyboard> m_keyboard;
};

} // namespace words
