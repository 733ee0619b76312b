#pragma once

#include <QString>

#include <functional>

class QImage;

namespace pictures {

// Runs `write` on path + ".part" and renames the result into place, so the final name
// only ever holds a whole file. On any failure the part file is removed and a
// std::runtime_error naming `path` is thrown; an existing file at `path` is left alone.
void writeAside(const QString &path, const std::function<void(const QString &partPath)> &write);

// Saves a PNG through writeAside.
void savePng(const QImage &image, const QString &path);

} // namespace pictures
