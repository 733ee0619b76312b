#include "course/pictures/Colours.h"
#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QMovie>
#include <QTemporaryDir>

#include <cstdlib>
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
    pictures::writeCongratulations(dir.filePath("congratulations.gif"), QSize(320, 200),
                                   QRect(20, 10, 280, 110));

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

TEST(FixedMedia, LessonHintCarriesTheLessonBackground)
{
    QTemporaryDir dir;
    pictures::writeClickHint(dir.filePath("click.gif"), QSize(55, 39));
    const auto frames = probe::framesWithAlpha(dir.filePath("click.gif"));
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front().pixelColor(0, 0), pictures::colours::LessonWindow);
}

// The information screen's hint: nothing around the hand, in any frame, and its soft
// edges blended towards the screen's peach, never the lesson's lavender.
TEST(FixedMedia, ClearHintIsTransparentAroundTheHand)
{
    QTemporaryDir dir;
    const QColor peach = pictures::colours::InfoWindow;
    pictures::writeClearClickHint(dir.filePath("click2.gif"), QSize(29, 25), peach);
    const auto frames = probe::framesWithAlpha(dir.filePath("click2.gif"));
    ASSERT_GT(frames.size(), 4u);
    int transparentBefore = -1;
    bool moves = false;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const QImage &frame = frames[i];
        ASSERT_EQ(frame.size(), QSize(29, 25));
        for (const QPoint corner : {QPoint(0, 0), QPoint(28, 0), QPoint(0, 24), QPoint(28, 24)})
            EXPECT_EQ(qAlpha(frame.pixel(corner)), 0) << "frame " << i;
        EXPECT_GT(probe::colourfulCount(frame), 20) << "no hand to be seen in frame " << i;
        EXPECT_EQ(probe::countNear(frame, pictures::colours::LessonWindow, 24), 0)
            << "lavender in frame " << i;

        int transparent = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x)
                transparent += qAlpha(frame.pixel(x, y)) == 0 ? 1 : 0;
        }
        EXPECT_GT(transparent, frame.width() * frame.height() / 3) << "frame " << i;
        moves = moves || (transparentBefore >= 0 && transparent != transparentBefore);
        transparentBefore = transparent;
    }
    EXPECT_TRUE(moves) << "the hand does not move";

    pictures::writeClearClickHint(dir.filePath("again.gif"), QSize(29, 25), peach);
    EXPECT_EQ(probe::fileBytes(dir.filePath("click2.gif")),
              probe::fileBytes(dir.filePath("again.gif")));
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
    pictures::writeSplash(dir.filePath("splash.png"), QSize(512, 653));
    pictures::writeSpeakerPicture(dir.filePath("speaker.png"));
    for (int i = 1; i <= 3; ++i)
        pictures::writeInfoPicture(i, dir.filePath(QStringLiteral("info%1.png").arg(i)));

    const QImage splash(dir.filePath("splash.png"));
    EXPECT_EQ(splash.size(), QSize(512, 653));
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

namespace {

int apart(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

} // namespace

// The congratulation keeps its words where it is told, so the window can
// keep them clear of its message: drawn once with the words above and once
// below, the two differ only inside the two places.
TEST(FixedMedia, CongratulationWordsStandWhereTheyAreTold)
{
    QTemporaryDir dir;
    const QSize size(409, 201);
    const QRect above(30, 10, 349, 100);
    const QRect below(30, 120, 349, 70);
    pictures::writeCongratulations(dir.filePath("above.gif"), size, above);
    pictures::writeCongratulations(dir.filePath("below.gif"), size, below);
    const auto one = probe::frames(dir.filePath("above.gif"));
    const auto other = probe::frames(dir.filePath("below.gif"));
    ASSERT_FALSE(one.empty());
    ASSERT_EQ(one.size(), other.size());
    EXPECT_EQ(one.front().size(), size);
    // Room for the shadow and the swell.
    const QRect nearAbove = above.adjusted(-4, -4, 4, 4);
    const QRect nearBelow = below.adjusted(-4, -4, 4, 4);
    for (std::size_t f = 0; f < one.size(); ++f) {
        int differing = 0, stray = 0, inAbove = 0, inBelow = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (apart(one[f].pixelColor(x, y), other[f].pixelColor(x, y)) < 90)
                    continue; // the same, but for each file's own palette
                ++differing;
                const QPoint p(x, y);
                inAbove += above.contains(p) ? 1 : 0;
                inBelow += below.contains(p) ? 1 : 0;
                stray += nearAbove.contains(p) || nearBelow.contains(p) ? 0 : 1;
            }
        }
        // A few pixels may take another entry of each file's own palette;
        // words drawn out of place would be hundreds.
        EXPECT_LE(stray, 10) << "frame " << f;
        EXPECT_GT(inAbove, 500) << "frame " << f;
        EXPECT_GT(inBelow, 500) << "frame " << f;
    }
}
