#include "course/pictures/GifWriter.h"

#include "course/pictures/Palette.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QMovie>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using pictures::GifFrame;

namespace {

// A small square that walks across a striped picture: frames differ in small patches only.
std::vector<GifFrame> walkingSquare(QSize size, int count)
{
    std::vector<GifFrame> frames;
    for (int i = 0; i < count; ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(250, 250, 240));
        QPainter painter(&image);
        for (int x = 0; x < size.width(); x += 8)
            painter.fillRect(x, 0, 4, size.height(), QColor(200, 220, 255));
        painter.fillRect(3 + i * 5, 7 + i * 2, 9, 6, QColor(200, 30, 40));
        painter.end();
        frames.push_back({image, 10 + i});
    }
    return frames;
}

// The same walk with nothing around the square: the pixels it leaves must clear again.
std::vector<GifFrame> walkingSquareOnNothing(QSize size, int count)
{
    std::vector<GifFrame> frames;
    for (int i = 0; i < count; ++i) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.fillRect(3 + i * 5, 7 + i * 2, 9, 6, QColor(200, 30, 40));
        painter.fillRect(0, size.height() - 3, size.width(), 3, QColor(20, 120, 40));
        painter.end();
        frames.push_back({image, 10});
    }
    return frames;
}

} // namespace

TEST(GifWriter, QMovieReadsTheFramesAndSizeWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("walk.gif");
    pictures::writeGif(path, walkingSquare(QSize(70, 40), 7));

    QMovie movie(path);
    ASSERT_TRUE(movie.isValid());
    EXPECT_EQ(movie.frameCount(), 7);
    movie.jumpToFrame(0);
    EXPECT_EQ(movie.currentImage().size(), QSize(70, 40));
    EXPECT_EQ(movie.loopCount(), -1) << "every course animation loops for ever";
}

TEST(GifWriter, FramesStoredAsChangedRectanglesComposeBackExactly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("walk.gif");
    const auto written = walkingSquare(QSize(70, 40), 6);
    pictures::writeGif(path, written);

    const auto read = probe::frames(path);
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(read[i], written[i].image.convertToFormat(QImage::Format_RGB32)) << "frame " << i;
}

TEST(GifWriter, TransparentPixelsComposeBackTransparentInEveryFrame)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("walk.gif");
    const auto written = walkingSquareOnNothing(QSize(60, 40), 5);
    pictures::writeGif(path, written);

    const auto read = probe::framesWithAlpha(path);
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        // Premultiplied, every fully transparent pixel reads alike.
        EXPECT_EQ(read[i].convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  written[i].image.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << "frame " << i;

    QMovie movie(path);
    for (int i = 0; i <= 3; ++i) // QMovie composes frames one after another
        ASSERT_TRUE(movie.jumpToFrame(i));
    ASSERT_EQ(movie.currentImage().size(), QSize(60, 40));
    EXPECT_EQ(qAlpha(movie.currentImage().pixel(5, 9)), 0) << "the square's first place";
    EXPECT_EQ(movie.currentImage().pixelColor(20, 14), QColor(200, 30, 40));
}

TEST(GifWriter, RefusesPartlyTransparentPixels)
{
    QTemporaryDir dir;
    auto frames = walkingSquareOnNothing(QSize(30, 20), 2);
    frames.back().image.setPixel(1, 1, qRgba(10, 20, 30, 128));
    EXPECT_THROW(pictures::writeGif(dir.filePath("soft.gif"), frames), std::runtime_error);
}

TEST(GifWriter, SameFramesGiveByteIdenticalFiles)
{
    QTemporaryDir dir;
    const auto frames = walkingSquare(QSize(50, 30), 4);
    pictures::writeGif(dir.filePath("a.gif"), frames);
    pictures::writeGif(dir.filePath("b.gif"), frames);
    const QByteArray a = probe::fileBytes(dir.filePath("a.gif"));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, probe::fileBytes(dir.filePath("b.gif")));
}

TEST(GifWriter, RefusesFramesOfMixedSizesOrNoFrames)
{
    QTemporaryDir dir;
    auto frames = walkingSquare(QSize(50, 30), 2);
    frames.push_back({QImage(40, 30, QImage::Format_RGB32), 10});
    EXPECT_THROW(pictures::writeGif(dir.filePath("mixed.gif"), frames), std::runtime_error);
    EXPECT_THROW(pictures::writeGif(dir.filePath("none.gif"), {}), std::runtime_error);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(Palette, ManyColoursAreCutToTheLimitKeepingTheBackgroundExact)
{
    // A wide gradient (far over 256 colours) on a mostly white picture.
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < 300; ++x) {
        for (int y = 0; y < 60; ++y)
            image.setPixel(x, y, qRgb(x * 255 / 299, y * 4, 255 - x * 255 / 299));
    }
    const auto palette = pictures::Palette::fromImages({image}, 64);
    EXPECT_LE(palette.colours().size(), 64u);
    EXPECT_EQ(palette.colours()[palette.indexOf(qRgb(255, 255, 255))], qRgb(255, 255, 255));

    int worst = 0;
    for (int x = 0; x < 300; x += 7) {
        for (int y = 0; y < 60; y += 5) {
            const QRgb original = image.pixel(x, y);
            const QRgb mapped = palette.colours()[palette.indexOf(original)];
            worst = std::max({worst, std::abs(qRed(original) - qRed(mapped)),
                              std::abs(qGreen(original) - qGreen(mapped)),
                              std::abs(qBlue(original) - qBlue(mapped))});
        }
    }
    EXPECT_LT(worst, 64) << "a colour was mapped far from itself";
}
