#pragma once

#include "exercises/keyboard/words/TestKeyboard.h"

#include <QString>

class frmKeyboard;

namespace words {

struct KeyboardTestForm;
class TestWindow;

// The course of a keyboard test, as the spelling, numbers and maths windows
// run it: the start page, ten questions answered on the test's keyboard and
// moved on with Next, marking with the score box and the pass, and the
// question on leaving a test that is not marked. What differs comes from the
// window's KeyboardTestForm and the hooks of its TestWindow. The controls are
// read at each step, so the window may create them after the flow.
//
// The steps are the window's event handlers: a run-time error ends one with
// its report pending.
class KeyboardTest final
{
public:
    static constexpr int Questions = 10;

    KeyboardTest(const KeyboardTestForm &form, TestWindow &window);
    KeyboardTest(const KeyboardTest &) = delete;
    KeyboardTest &operator=(const KeyboardTest &) = delete;

    // The load work: the key set, the window's own checks and a pass mark
    // that ten questions can reach, then the start page; or cannotOpen with
    // the report pending.
    void load();
    // Connects the window's buttons to the steps below, once it has created
    // them.
    void connectButtons();
    // The level database the window was opened on: it judges every test,
    // also after a pass has moved the program on.
    const QString &levelDbPath() const { return m_levelDbPath; }

    // Plays or shows the current question again.
    void repeat();
    // Any close but "Main Menu": refused when the learner says No to
    // leaving.
    void queryUnload(bool &cancel);
    // Shows the main window again.
    void unloaded();

    // The keyboard of the test that is running; null outside a test.
    frmKeyboard *keyboard() const { return m_keyboard.loaded(); }
    // The question being answered, 1..10; 11 once marked.
    int currentQuestion() const { return m_current; }

private:
    bool canOpen();
    void showStartPage();
    // "Start Test".
    void start();
    void next();
    void mark();
    // "Main Menu": unloads the window when the learner may leave.
    void leave();

    QString progress(int question) const;
    bool tooFewTyped(const char *message) const;
    void storeAnswer();
    void storeIfPassed(int right);
    bool mayLeave();
    bool confirmLeaving();

    const KeyboardTestForm &m_form;
    TestWindow &m_window;
    TestKeyboard m_keyboard;
    QString m_levelDbPath;
    int m_current = 0;
};

} // namespace words
