#pragma once

namespace keyboards {
class KeyImages;
}

// Fills the digit keypad's keys from the digit key set
// (modMain::gNumKeyboardChars, rows 0 to gNumKeyboardCharCount - 1): key i
// shows row i. Errors are left in modErrors::gErrMsg; it keeps no state.
class clsGujNumKeyboard final
{
public:
    // The keys always stand in key-set order, so that key i gives key number
    // i; the keyboards pass false and no other order is offered.
    void LoadNumKeyboardLetters(keyboards::KeyImages &rImgLetter, bool vblnRandomise);
};
