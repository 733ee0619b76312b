#include "course/pictures/Colours.h"
#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QMovie>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Animation
{
    int frames;
    QSize size;
};

Animation inspect(const QString &path)
{
    QMovie movie(path);
    if (!movie.isValid())
        return {0, QSize()};
    movie.jumpToFrame(0);
    return {movie.frameCount(), movie.currentImage().size()};
}

} // namespace

TEST(FixedMedia, AnimationsHaveTheirSizesAndMove)
{
    QTemporaryDir dir;
    pictures::writeLogo(dir.filePath("logo.gif"));
    pictures::writeLoading(dir.filePath("loading.gif"));
    pictures::writeClickHint(dir.filePath("click.gif"), QSize(55, 39));
    pictures::writeCongratulations(dir.filePath("congratulations.gif"));

    const Animation logo = inspect(dir.filePath("logo.gif"));
    EXPECT_EQ(logo.size, QSize(81, 97));
    EXPECT_GT(logo.frames, 4);
    const Animation loading = inspect(dir.filePath("loading.gif"));
    EXPECT_EQ(loading.size, QSize(121, 15));
    EXPECT_GT(loading.frames, 4);
    const Animation click = inspect(dir.filePath("click.gif"));
    EXPECT_EQ(click.size, QSize(55, 39));
    EXPECT_GT(click.frames, 4);
    EXPECT_GT(inspect(dir.filePath("congratulations.gif")).frames, 4);

    // The loading strip fills up: its last frame carries more colour than its first.
    const auto strip = probe::frames(dir.filePath("loading.gif"));
    ASSERT_GE(strip.size(), 2u);
    EXPECT_LT(probe::colourfulCount(strip.front()), probe::colourfulCount(strip.back()));
}

TEST(FixedMedia, HintBlendsIntoTheWindowItIsFor)
{
    QTemporaryDir dir;
    pictures::writeClickHint(dir.filePath("click2.gif"), QSize(29, 25),
                             pictures::colours::InfoWindow);
    const auto frames = probe::frames(dir.filePath("click2.gif"));
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front().pixelColor(0, 0), pictures::colours::InfoWindow);
    EXPECT_GT(probe::colourfulCount(frames.front()), 20) << "no hand to be seen";
}

TEST(FixedMedia, InstructionBuildsUpAShortTextAndScrollsALongOne)
{
    QTemporaryDir dir;
    const QSize strip(321, 17);
    pictures::writeInstruction(QStringLiteral("Click the letter"), dir.filePath("short.gif"),
                               strip);
    const auto built = probe::frames(dir.filePath("short.gif"));
    ASSERT_EQ(built.size(), 3u) << "one step per word";
    const QColor window = pictures::colours::LessonWindow;
    EXPECT_LT(probe::inkCount(built.front(), window), probe::inkCount(built.back(), window));
    EXPECT_TRUE(built.back().rect().contains(probe::inkBounds(built.back(), window)));

    pictures::writeInstruction(
        QStringLiteral("Click on each letter in the order of the alphabet, then press the "
                       "button to go on to the next level of the course"),
        dir.filePath("long.gif"), strip);
    const auto scrolled = probe::frames(dir.filePath("long.gif"));
    ASSERT_GT(scrolled.size(), 20u);
    EXPECT_NE(probe::inkBounds(scrolled[5], window).left(),
              probe::inkBounds(scrolled[10], window).left());

    EXPECT_THROW(pictures::writeInstruction(QStringLiteral("  "), dir.filePath("empty.gif"), strip),
                 std::runtime_error);
}

TEST(FixedMedia, StillPicturesHaveTheirSizesAndContent)
{
    QTemporaryDir dir;
    pictures::writeSplash(dir.filePath("splash.png"));
    pictures::writeSpeakerPicture(dir.filePath("speaker.png"));
    for (int i = 1; i <= 3; ++i)
        pictures::writeInfoPicture(i, dir.filePath(QStringLiteral("info%1.png").arg(i)));

    const QImage splash(dir.filePath("splash.png"));
    EXPECT_FALSE(splash.isNull());
    EXPECT_GT(probe::colourfulCount(splash), splash.width() * splash.height() / 4);

    const QImage speaker(dir.filePath("speaker.png"));
    ASSERT_FALSE(speaker.isNull());
    EXPECT_TRUE(speaker.hasAlphaChannel());
    EXPECT_EQ(qAlpha(speaker.pixel(0, 0)), 0) << "the speaker's corners show the button";
    EXPECT_GT(qAlpha(speaker.pixel(speaker.width() / 2, speaker.height() / 2)), 0);

    QImage previous;
    for (int i = 1; i <= 3; ++i) {
        const QImage info(dir.filePath(QStringLiteral("info%1.png").arg(i)));
        ASSERT_EQ(info.size(), QSize(116, 134));
        EXPECT_GT(probe::colourfulCount(info), 800) << "picture " << i;
        EXPECT_NE(info, previous);
        previous = info;
    }
    EXPECT_THROW(pictures::writeInfoPicture(4, dir.filePath("info4.png")), std::runtime_error);
}
