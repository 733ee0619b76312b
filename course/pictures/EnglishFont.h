#pragma once

#include <QFont>

namespace pictures {

// The face of the English words in the fixed media.
inline QFont englishFont(int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("Noto Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace pictures
