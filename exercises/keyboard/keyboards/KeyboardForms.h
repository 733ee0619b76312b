#pragma once

#include <array>

// What differs between the two on-screen keyboards: the letter keyboard
// (frmKeyboard, for the spelling exercise) and the digit keypad
// (frmNumKeyboard, for the numbers and maths exercises). Places in twips.
namespace keyboards {

enum class KeySet
{
    Letters, // modMain::gKeyboardChars, counted from 1; key i gives i + 1
    Digits,  // modMain::gNumKeyboardChars, counted from 0; key i gives i
};

struct KeyPlace
{
    int left;
    int top;
};

struct KeyboardForm
{
    const char *name;    // the form name
    const char *caption; // the caption the learner sees
    KeySet keySet;
    int keys;        // pnlLetter(0..keys-1)
    int clientWidth; // client area
    int clientHeight;
    int undoLeft, undoTop; // cmdUndo
    int cells;             // the parent's picKey cells it fills
    // The parent windows it types into, compared exactly; null-terminated.
    std::array<const char *, 3> parents;

    KeyPlace keyPlace(int key) const;
    // The key number a click on key i writes.
    int keyNumber(int key) const { return keySet == KeySet::Letters ? key + 1 : key; }
    bool serves(const char *parent) const;
};

extern const KeyboardForm LetterKeyboard;
extern const KeyboardForm DigitKeypad;

} // namespace keyboards
