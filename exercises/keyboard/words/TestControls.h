#pragma once

#include "exercises/keyboard/words/WordLayout.h"

namespace controls {
class SSCommand;
class SSPanel;
} // namespace controls

namespace words {

// The controls that every keyboard test window has and the test flow shows
// and hides: the progress line, the frame of the typed cells and the buttons
// of the test's course.
struct TestControls
{
    Label *lblHeading = nullptr;
    Label *lblTest = nullptr;
    controls::SSPanel *pnlBlank3 = nullptr;
    controls::SSPanel *pnlBlank5 = nullptr;
    controls::SSCommand *cmdExit = nullptr;
    controls::SSCommand *cmdStartTest = nullptr;
    controls::SSCommand *cmdNextWord = nullptr;
    controls::SSCommand *cmdMarkTest = nullptr;
    controls::SSCommand *cmdStartNewTest = nullptr;

protected:
    TestControls() = default;
    ~TestControls() = default;
    TestControls(const TestControls &) = default;
    TestControls &operator=(const TestControls &) = default;
};

} // namespace words
