#include "exercises/keyboard/keyboards/clsGujKeyboard.h"

#include "exercises/keyboard/keyboards/LoadKeys.h"
#include "shell/modMain.h"

void clsGujKeyboard::LoadKeyboardLetters(keyboards::KeyImages &rImgLetter, bool)
{
    keyboards::loadKeys(rImgLetter, modMain::gKeyboardChars, 1, modMain::gKeyboardCharCount);
}
