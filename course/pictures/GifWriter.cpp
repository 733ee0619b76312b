#include "course/pictures/GifWriter.h"

#include "course/pictures/Palette.h"
#include "course/pictures/WriteAside.h"

#include <QFile>
#include <QRect>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gif_lib.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace pictures {

namespace {

using Indices = std::vector<GifByteType>;

struct GifCloser
{
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

void check(int result, const char *what)
{
    if (result == GIF_ERROR)
        throw std::runtime_error(std::string("giflib failed to ") + what);
}

// Whether any pixel is fully transparent; a pixel between clear and opaque has no
// place in a GIF and is refused.
bool hasTransparency(const std::vector<QImage> &images)
{
    bool transparent = false;
    for (const QImage &image : images) {
        if (!image.hasAlphaChannel())
            continue;
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(line[x]);
                if (alpha != 0 && alpha != 255)
                    throw std::runtime_error("a GIF pixel is either opaque or transparent");
                transparent = transparent || alpha == 0;
            }
        }
    }
    return transparent;
}

Indices toIndices(const QImage &argb, const Palette &palette, int transparentIndex)
{
    Indices out(std::size_t(argb.width()) * std::size_t(argb.height()));
    std::size_t i = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            out[i++] =
                qAlpha(line[x]) == 0 ? GifByteType(transparentIndex) : palette.indexOf(line[x]);
    }
    return out;
}

// The smallest rectangle holding every pixel that differs; a 1 x 1 corner when none does.
QRect changedRect(const Indices &before, const Indices &after, int width, int height)
{
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
            if (before[i] != after[i]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {0, 0, 1, 1};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The palette's colours, and black for the transparency index when there is one.
std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> colourMap(const Palette &palette,
                                                                       int entries)
{
    int size = 2;
    while (size < entries)
        size *= 2;
    std::vector<GifColorType> colours(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.colours().size(); ++i) {
        const QRgb c = palette.colours()[i];
        colours[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    return {GifMakeMapObject(size, colours.data()), &GifFreeMapObject};
}

void putLoopForever(GifFileType *gif)
{
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                              'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0}; // sub-block 1, repeat count 0: for ever
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "start the loop block");
    check(EGifPutExtensionBlock(gif, sizeof application, application), "write the loop block");
    check(EGifPutExtensionBlock(gif, sizeof loop, loop), "write the loop count");
    check(EGifPutExtensionTrailer(gif), "end the loop block");
}

void putFrame(GifFileType *gif, const Indices &pixels, int width, QRect rect, int delayCs,
              int transparentIndex)
{
    GraphicsControlBlock control{};
    // The next frame draws over this one; with transparency, over a cleared picture, as
    // its clear pixels could not wipe out what this one drew.
    control.DisposalMode =
        transparentIndex == NO_TRANSPARENT_COLOR ? DISPOSE_DO_NOT : DISPOSE_BACKGROUND;
    control.UserInputFlag = false;
    control.DelayTime = delayCs;
    control.TransparentColor = transparentIndex;
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension),
          "write a frame's timing");
    check(EGifPutImageDesc(gif, rect.x(), rect.y(), rect.width(), rect.height(), false, nullptr),
          "start a frame");
    Indices line(std::size_t(rect.width()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(width);
        std::copy(pixels.begin() + std::ptrdiff_t(row + std::size_t(rect.left())),
                  pixels.begin() + std::ptrdiff_t(row + std::size_t(rect.right()) + 1),
                  line.begin());
        check(EGifPutLine(gif, line.data(), rect.width()), "write a frame's pixels");
    }
}

} // namespace

void writeGif(const QString &path, const std::vector<GifFrame> &frames, int maxColours)
{
    if (frames.empty() || frames.front().image.isNull())
        throw std::runtime_error("an animation needs at least one frame");
    const QSize size = frames.front().image.size();
    std::vector<QImage> images;
    for (const GifFrame &frame : frames) {
        if (frame.image.size() != size)
            throw std::runtime_error("the frames of an animation must share one size");
        if (frame.delayCs < 0 || frame.delayCs > 65535)
            throw std::runtime_error("a frame's delay must fit in 16 bits");
        images.push_back(frame.image.convertToFormat(QImage::Format_ARGB32));
    }
    const bool transparent = hasTransparency(images);
    const Palette palette =
        Palette::fromImages(images, transparent ? std::max(2, maxColours - 1) : maxColours);
    const int colours = int(palette.colours().size());
    const int transparentIndex = transparent ? colours : NO_TRANSPARENT_COLOR;

    writeAside(path, [&](const QString &part) {
        int error = 0;
        // Opened here rather than by giflib, which would make the file private to its owner.
        const int fd = ::open(QFile::encodeName(part).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            throw std::runtime_error(std::string("cannot create the file: ") +
                                     std::strerror(errno));
        std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileHandle(fd, &error));
        if (!gif) {
            ::close(fd);
            throw std::runtime_error(std::string("cannot start the file: ") +
                                     GifErrorString(error));
        }
        EGifSetGifVersion(gif.get(), true);
        const auto map = colourMap(palette, transparent ? colours + 1 : colours);
        check(EGifPutScreenDesc(gif.get(), size.width(), size.height(), 8,
                                transparent ? transparentIndex : 0, map.get()),
              "write the screen");
        putLoopForever(gif.get());

        Indices previous;
        for (std::size_t f = 0; f < frames.size(); ++f) {
            Indices current = toIndices(images[f], palette, transparentIndex);
            const QRect rect = previous.empty() || transparent
                                   ? QRect(QPoint(0, 0), size)
                                   : changedRect(previous, current, size.width(), size.height());
            putFrame(gif.get(), current, size.width(), rect, frames[f].delayCs, transparentIndex);
            previous = std::move(current);
        }
        GifFileType *raw = gif.release();
        if (EGifCloseFile(raw, &error) == GIF_ERROR)
            throw std::runtime_error(std::string("cannot finish the file: ") +
                                     GifErrorString(error));
    });
}

} // namespace pictures
