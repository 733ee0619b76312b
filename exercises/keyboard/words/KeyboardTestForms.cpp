#include "exercises/keyboard/words/KeyboardTestForms.h"

#include "exercises/keyboard/keyboards/KeyboardForms.h"

namespace words {
namespace {

// The numbers and maths windows test alike on the digit keypad.
constexpr KeyboardTestForm digitTest(const char *name)
{
    return {name,
            &keyboards::DigitKeypad,
            1,
            "The Number must have at least 1 number",
            "The word must have at least 1 characters",
            "Test for Number ",
            false,
            true,
            true};
}

} // namespace

const KeyboardTestForm SpellingTest{"frmLevel10",
                                    &keyboards::LetterKeyboard,
                                    2,
                                    "The word must have at least 2 characters",
                                    "The word must have at least 2 characters",
                                    "Test for Word ",
                                    true,
                                    false,
                                    false};
const KeyboardTestForm NumbersTest = digitTest("frmLevel12");
const KeyboardTestForm MathsTest = digitTest("frmLevel20");

} // namespace words
