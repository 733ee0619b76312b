#include "course/pictures/WriteAside.h"

#include <QFile>
#include <QImage>

#include <cstdio>
#include <stdexcept>

namespace pictures {

void writeAside(const QString &path, const std::function<void(const QString &partPath)> &write)
{
    const QString part = path + QStringLiteral(".part");
    try {
        write(part);
    } catch (const std::exception &e) {
        QFile::remove(part);
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + e.what());
    }
    // rename(2) replaces an older file in one step; QFile::rename would refuse.
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) !=
        0) {
        QFile::remove(part);
        throw std::runtime_error("cannot move " + part.toStdString() + " into place as " +
                                 path.toStdString());
    }
}

void savePng(const QImage &image, const QString &path)
{
    writeAside(path, [&image](const QString &part) {
        if (image.isNull() || !image.save(part, "PNG"))
            throw std::runtime_error("the PNG could not be saved");
    });
}

} // namespace pictures
