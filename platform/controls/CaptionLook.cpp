#include "platform/controls/CaptionLook.h"

#include "platform/text/KeyText.h"

namespace controls {

CaptionLook captionLook(const QString &caption, const QFont &font)
{
    if (font.family().compare(text::KeyFontName, Qt::CaseInsensitive) != 0)
        return {caption, font, false};
    QFont gujarati = font;
    gujarati.setFamily(text::GujaratiFontFamily);
    return {text::toUnicode(caption), gujarati, true};
}

} // namespace controls
