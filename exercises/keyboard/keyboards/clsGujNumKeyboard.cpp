#include "exercises/keyboard/keyboards/clsGujNumKeyboard.h"

#include "exercises/keyboard/keyboards/LoadKeys.h"
#include "shell/modMain.h"

void clsGujNumKeyboard::LoadNumKeyboardLetters(keyboards::KeyImages &rImgLetter, bool)
{
    keyboards::loadKeys(rImgLetter, modMain::gNumKeyboardChars, 0, modMain::gNumKeyboardCharCount);
}
