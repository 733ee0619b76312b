#pragma once

#include <QFont>
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

} // namespace controls
