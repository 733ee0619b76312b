#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace controls {

// What a caption looks like on screen. A control whose font name is the key
// font shows the Gujarati text of its key-text caption in the Gujarati font,
// at the same size and weight; any other control shows its caption as it is.
struct CaptionLook
{
    QString text;
    QFont font;
    bool keyText = false;
};

CaptionLook captionLook(const QString &caption, const QFont &font);

// The font, made smaller where the text drawn with flags would not fit in
// space: wider than it, or wrapped onto more lines than its height holds.
// The fonts here are not the ones the windows were designed with, and a
// caption that runs off its button cannot be read.
QFont fittedFont(const QFont &font, const QString &text, const QSize &space, int flags);

} // namespace controls
