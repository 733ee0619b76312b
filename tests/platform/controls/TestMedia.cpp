#include "tests/platform/controls/TestMedia.h"

#include <QDataStream>
#include <QFile>

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <vector>

namespace testmedia {

void writeWav(const QString &path, int milliseconds)
{
    constexpr quint32 rate = 8000;
    const quint32 samples = rate * quint32(milliseconds) / 1000;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    file.write("RIFF");
    out << quint32(36 + samples * 2);
    file.write("WAVEfmt ");
    out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2)
        << quint16(16);
    file.write("data");
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(i % 40 < 20 ? 3000 : -3000);
}

void writeGif(const QString &path, const QList<QColor> &frames, int width, int height,
              int delayCentiseconds, int loopCount)
{
    ASSERT_LE(frames.size(), 8);
    GifColorType palette[8] = {};
    for (qsizetype i = 0; i < frames.size(); ++i) {
        palette[i].Red = GifByteType(frames[i].red());
        palette[i].Green = GifByteType(frames[i].green());
        palette[i].Blue = GifByteType(frames[i].blue());
    }
    ColorMapObject *map = GifMakeMapObject(8, palette);
    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    ASSERT_NE(gif, nullptr) << GifErrorString(error);
    EGifSetGifVersion(gif, true);
    EXPECT_EQ(EGifPutScreenDesc(gif, width, height, 8, 0, map), GIF_OK);

    if (loopCount >= 0) {
        EXPECT_EQ(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), GIF_OK);
        EXPECT_EQ(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), GIF_OK);
        const GifByteType loop[3] = {1, GifByteType(loopCount & 0xFF),
                                     GifByteType((loopCount >> 8) & 0xFF)};
        EXPECT_EQ(EGifPutExtensionBlock(gif, 3, loop), GIF_OK);
        EXPECT_EQ(EGifPutExtensionTrailer(gif), GIF_OK);
    }

    std::vector<GifPixelType> line(size_t(width), 0);
    for (qsizetype frame = 0; frame < frames.size(); ++frame) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = delayCentiseconds;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        EXPECT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension), GIF_OK);
        EXPECT_EQ(EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr), GIF_OK);
        std::fill(line.begin(), line.end(), GifPixelType(frame));
        for (int row = 0; row < height; ++row)
            EXPECT_EQ(EGifPutLine(gif, line.data(), width), GIF_OK);
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK) << GifErrorString(error);
    GifFreeMapObject(map);
}

} // namespace testmedia
