#pragma once

#include <QString>

// One row of a level's KeyboardCharSet table. Path fields are already joined
// to the program folder.
struct KeyboardChar
{
    int KeyboardID = 0;
    QString KeyboardCode;      // carried, unused
    QString KeyboardCharacter; // carried, unused
    QString LetterPicture;
    QString LetterSound;
};
