#pragma once

namespace keyboards {
class KeyImages;
}

// Fills the letter keyboard's keys from the letter key set
// (modMain::gKeyboardChars, rows 1 to gKeyboardCharCount): key i shows row
// i + 1. Errors are left in modErrors::gErrMsg; it keeps no state.
class clsGujKeyboard final
{
public:
    // The keys always stand in key-set order, so that key i gives key number
    // i + 1; the keyboards pass false and no other order is offered.
    void LoadKeyboardLetters(keyboards::KeyImages &rImgLetter, bool vblnRandomise);
};
