#pragma once

#include <QImage>
#include <QString>

namespace pictures {

// The emoji drawn in colour from Noto Color Emoji at the font's bitmap size, cropped to
// its ink, on transparency. Draw it scaled down with smooth transformation.
// Throws std::runtime_error when the font has no picture for it.
QImage emojiImage(const QString &emoji);

} // namespace pictures
