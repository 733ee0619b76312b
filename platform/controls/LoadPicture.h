#pragma once

#include <QPixmap>
#include <QString>

// The picture in a file (a path on this machine). A file that is missing
// raises run-time error 53; one that is not a picture raises 481.
QPixmap LoadPicture(const QString &path);
