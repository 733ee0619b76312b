#pragma once

#include <QString>

// One row of a level's Letters table. Path fields are already joined to the
// program folder; positions and sizes are in twips.
struct Letter
{
    QString LetterPicture;
    QString LetterAnimation;
    QString LetterSound;
    QString LetterPronounciation; // the column's text, no folder in front
    QString PictureAAnimation;
    int PictureATop = 0;
    int PictureALeft = 0;
    int PictureAHeight = 0;
    int PictureAWidth = 0;
    QString PictureASound;
    QString PictureAWord;
    QString PictureBAnimation;
    int PictureBTop = 0;
    int PictureBLeft = 0;
    int PictureBHeight = 0;
    int PictureBWidth = 0;
    QString PictureBSound;
    QString PictureBWord;
    // PictureLetter1 .. PictureLetter6 at indices 0 .. 5.
    QString PictureLetter[6];
};
