#include "platform/controls/AniGif.h"

#include "tests/platform/controls/TestMedia.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using controls::AniGif;

constexpr int Bound = 5000;

class AniGifTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Three frames of 30 ms: red, green, blue. One file a viewer would
        // play once, one it would loop for ever; neither decides here.
        testmedia::writeGif(once, colours, 20, 10, 3, -1);
        testmedia::writeGif(looping, colours, 20, 10, 3, 0);
        testmedia::writeGif(slow, colours, 20, 10, 10, 0);
    }

    QTemporaryDir dir;
    const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
    QString once = dir.filePath(QStringLiteral("once.gif"));
    QString looping = dir.filePath(QStringLiteral("looping.gif"));
    QString slow = dir.filePath(QStringLiteral("slow.gif"));
};

TEST_F(AniGifTest, PlayModeOnePlaysRepeatCountPassesThenFinishes)
{
    for (const QString &file : {once, looping}) {
        AniGif gif;
        QList<int> shown;
        QObject::connect(&gif, &AniGif::frameChanged, &gif, [&](int frame) { shown << frame; });
        QSignalSpy finished(&gif, &AniGif::PlayFinished);

        gif.ReadGIF(file);
        ASSERT_TRUE(gif.isLoaded());
        EXPECT_EQ(gif.frameCount(), 3);
        shown.clear();
        gif.setStartFrame(0);
        gif.setPlayMode(1);
        gif.setRepeatCount(3);
        gif.Play();
        ASSERT_TRUE(finished.wait(Bound)) << file.toStdString();
        EXPECT_EQ(shown, QList<int>({0, 1, 2, 0, 1, 2, 0, 1, 2}));
        EXPECT_FALSE(gif.isRunning());
        EXPECT_EQ(gif.currentFrame(), 2) << "the last frame stays on show";
        EXPECT_FALSE(finished.wait(200));
        EXPECT_EQ(finished.count(), 1);
    }
}

TEST_F(AniGifTest, PlayModeTwoKeepsRunningUntilStopped)
{
    AniGif gif;
    QSignalSpy finished(&gif, &AniGif::PlayFinished);
    QSignalSpy frames(&gif, &AniGif::frameChanged);
    gif.ReadGIF(once);
    gif.setPlayMode(2);
    gif.setRepeatCount(1);
    gif.Play();
    // Four passes and more, without an end.
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 13, Bound);
    EXPECT_TRUE(gif.isRunning());
    EXPECT_EQ(finished.count(), 0);

    gif.Stop();
    const int halted = gif.currentFrame();
    frames.clear();
    QTest::qWait(150);
    EXPECT_EQ(frames.count(), 0);
    EXPECT_EQ(gif.currentFrame(), halted);
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(AniGifTest, StopBeforeTheEndCancelsPlayFinishedAndPlayRestarts)
{
    AniGif gif;
    QSignalSpy finished(&gif, &AniGif::PlayFinished);
    QList<int> shown;
    QObject::connect(&gif, &AniGif::frameChanged, &gif, [&](int frame) { shown << frame; });
    gif.ReadGIF(once);
    gif.setPlayMode(1);
    gif.setRepeatCount(1);
    gif.Play();
    gif.Stop();
    EXPECT_FALSE(finished.wait(300));

    // A replay in the middle of a pass starts the count again from StartFrame.
    gif.ReadGIF(slow);
    gif.setRepeatCount(2);
    gif.Play();
    QTest::qWait(150);
    shown.clear();
    finished.clear();
    gif.setStartFrame(1);
    gif.Play();
    ASSERT_TRUE(finished.wait(Bound));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(shown, QList<int>({1, 2, 0, 1, 2}));
}

TEST_F(AniGifTest, AutoPlayRunsOnReadAndOtherwiseTheStartFrameWaits)
{
    AniGif still;
    QSignalSpy stillFrames(&still, &AniGif::frameChanged);
    still.setStartFrame(0);
    still.ReadGIF(looping);
    EXPECT_EQ(still.currentFrame(), 0);
    EXPECT_FALSE(still.isRunning());

    AniGif running;
    QSignalSpy runningFrames(&running, &AniGif::frameChanged);
    running.setAutoPlay(true);
    running.ReadGIF(looping);
    EXPECT_TRUE(running.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(runningFrames.count() >= 4, Bound);
    EXPECT_EQ(stillFrames.count(), 1);
}

TEST_F(AniGifTest, AMissingFileShowsNothingAndStillEndsInPlayModeOne)
{
    AniGif gif;
    gif.ReadGIF(looping);
    QSignalSpy finished(&gif, &AniGif::PlayFinished);
    gif.setAutoPlay(true);
    gif.ReadGIF(dir.filePath(QStringLiteral("missing.gif")));
    EXPECT_FALSE(gif.isLoaded());
    EXPECT_EQ(gif.currentFrame(), -1);
    EXPECT_FALSE(gif.isRunning());

    gif.setPlayMode(1);
    gif.setRepeatCount(3);
    gif.Play();
    EXPECT_EQ(finished.count(), 0) << "the end must not arrive inside Play";
    EXPECT_TRUE(finished.wait(Bound));

    gif.setPlayMode(2);
    gif.Play();
    EXPECT_FALSE(finished.wait(200));
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(AniGifTest, AFileThatIsNotAGifIsTreatedAsMissing)
{
    QFile junk(dir.filePath(QStringLiteral("junk.gif")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("GIF89a but nothing after it");
    junk.close();
    AniGif gif;
    QSignalSpy finished(&gif, &AniGif::PlayFinished);
    gif.ReadGIF(junk.fileName());
    gif.setPlayMode(1);
    gif.Play();
    EXPECT_TRUE(finished.wait(Bound));
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(AniGifTest, TheFrameIsStretchedToTheControlPlacedInTwips)
{
    QWidget window;
    window.resize(200, 200);
    AniGif gif(&window);
    gif.Move(150, 300, 1500, 1200);
    EXPECT_EQ(gif.geometry(), QRect(10, 20, 100, 80));
    EXPECT_EQ(gif.Width(), 1500);

    gif.ReadGIF(looping);
    const QImage image = gif.grab().toImage();
    ASSERT_EQ(image.size(), QSize(100, 80));
    for (const QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 79), QPoint(99, 79)})
        EXPECT_EQ(image.pixelColor(corner), QColor(Qt::red));

    gif.setStartFrame(2);
    gif.ReadGIF(looping);
    EXPECT_EQ(gif.grab().toImage().pixelColor(50, 40), QColor(Qt::blue));
}

} // namespace
