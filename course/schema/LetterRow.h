#pragma once

#include "platform/db/Variant.h"

namespace schema {

// One row of Letters, fields named after its columns. Unset fields are null.
struct LetterRow
{
    db::Variant ID;
    db::Variant LetterPicture;
    db::Variant LetterAnimation;
    db::Variant LetterSound;
    db::Variant LetterPronounciation;
    db::Variant PictureAAnimation;
    db::Variant PictureATop;
    db::Variant PictureALeft;
    db::Variant PictureAHeight;
    db::Variant PictureAWidth;
    db::Variant PictureASound;
    db::Variant PictureAWord;
    db::Variant PictureBAnimation;
    db::Variant PictureBTop;
    db::Variant PictureBLeft;
    db::Variant PictureBHeight;
    db::Variant PictureBWidth;
    db::Variant PictureBSound;
    db::Variant PictureBWord;
    db::Variant PictureLetter1;
    db::Variant PictureLetter2;
    db::Variant PictureLetter3;
    db::Variant PictureLetter4;
    db::Variant PictureLetter5;
    db::Variant PictureLetter6;
};

} // namespace schema
