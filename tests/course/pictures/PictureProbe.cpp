#include "tests/course/pictures/PictureProbe.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace probe {

namespace {

bool isInk(QRgb pixel, const QColor &background)
{
    return std::abs(qRed(pixel) - background.red()) > 40 ||
           std::abs(qGreen(pixel) - background.green()) > 40 ||
           std::abs(qBlue(pixel) - background.blue()) > 40;
}

} // namespace

std::vector<QImage> frames(const QString &path)
{
    std::vector<QImage> out = framesWithAlpha(path);
    for (QImage &image : out)
        image = image.convertToFormat(QImage::Format_RGB32);
    return out;
}

std::vector<QImage> framesWithAlpha(const QString &path)
{
    QImageReader reader(path);
    std::vector<QImage> out;
    for (int i = 0; i < 1000 && reader.canRead(); ++i) {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        out.push_back(image.convertToFormat(QImage::Format_ARGB32));
    }
    return out;
}

int inkCount(const QImage &image, const QColor &background)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            count += isInk(rgb.pixel(x, y), background) ? 1 : 0;
    }
    return count;
}

QRect inkBounds(const QImage &image, const QColor &background)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRect bounds;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            if (isInk(rgb.pixel(x, y), background))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int colourfulCount(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QColor c(rgb.pixel(x, y));
            count += c.hsvSaturation() > 120 && c.value() > 90 ? 1 : 0;
        }
    }
    return count;
}

int countNear(const QImage &image, const QColor &colour, int tolerance)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            count += qAlpha(pixel) > 0 && std::abs(qRed(pixel) - colour.red()) <= tolerance &&
                             std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
                             std::abs(qBlue(pixel) - colour.blue()) <= tolerance
                         ? 1
                         : 0;
        }
    }
    return count;
}

int blobCount(const QImage &image, const QColor &background, int minimumArea)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    std::vector<char> seen(std::size_t(w * h), 0);
    int blobs = 0;
    for (int start = 0; start < w * h; ++start) {
        if (seen[std::size_t(start)] || !isInk(rgb.pixel(start % w, start / w), background))
            continue;
        int area = 0;
        std::vector<int> stack{start};
        seen[std::size_t(start)] = 1;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++area;
            const int x = p % w, y = p / w;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto &n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h)
                    continue;
                const int q = n[1] * w + n[0];
                if (!seen[std::size_t(q)] && isInk(rgb.pixel(n[0], n[1]), background)) {
                    seen[std::size_t(q)] = 1;
                    stack.push_back(q);
                }
            }
        }
        blobs += area >= minimumArea ? 1 : 0;
    }
    return blobs;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace probe
