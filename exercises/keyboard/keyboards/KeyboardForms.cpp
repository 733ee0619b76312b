#include "exercises/keyboard/keyboards/KeyboardForms.h"

#include <cstring>

namespace keyboards {
namespace {

constexpr int Margin = 240;
constexpr int KeyStep = 600;
constexpr int RowStep = 840;
constexpr int KeysPerRow = 10;
// The last four letters stand centred under the three full rows.
constexpr int FourthRowFirstKey = 30;
constexpr int FourthRowLeft = 2040;

} // namespace

const KeyboardForm LetterKeyboard{
    "frmKeyboard",
    "Keyboard",
    KeySet::Letters,
    34,
    6495,
    3735,
    240,
    3000,
    6,
    {"frmLevel10", nullptr, nullptr},
};

const KeyboardForm DigitKeypad{
    "frmNumKeyboard",
    "Number Keypad",
    KeySet::Digits,
    10,
    6495,
    1815,
    240,
    1200,
    3,
    {"frmLevel12", "frmLevel20", nullptr},
};

KeyPlace KeyboardForm::keyPlace(int key) const
{
    if (keySet == KeySet::Digits)
        return {Margin + KeyStep * key, Margin};
    if (key >= FourthRowFirstKey)
        return {FourthRowLeft + KeyStep * (key - FourthRowFirstKey),
                Margin + RowStep * (FourthRowFirstKey / KeysPerRow)};
    return {Margin + KeyStep * (key % KeysPerRow), Margin + RowStep * (key / KeysPerRow)};
}

bool KeyboardForm::serves(const char *parent) const
{
    for (const char *served : parents) {
        if (served != nullptr && parent != nullptr && std::strcmp(served, parent) == 0)
            return true;
    }
    return false;
}

} // namespace keyboards
