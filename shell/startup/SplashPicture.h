#pragma once

#include <QPixmap>
#include <QSize>

// The splash picture when the program folder has none of its own: the
// course's title in Gujarati and its name on a deep red field, drawn for the
// given size so that nothing is stretched.
QPixmap drawSplashPicture(const QSize &size);
