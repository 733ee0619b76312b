#include "platform/controls/SoundPlayer.h"

#include "tests/support/FakeSoundBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using controls::SoundPlayer;

class SoundPlayerTest : public ::testing::Test
{
protected:
    std::unique_ptr<FakeSoundBackend::Installation> sounds = FakeSoundBackend::install();
    SoundPlayer player;
    FakeSoundBackend *fake = FakeSoundBackend::of(player);
    QSignalSpy finished{&player, &SoundPlayer::PlayFinished};

    // Lets queued ends arrive; more than enough for anything already posted.
    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
};

TEST_F(SoundPlayerTest, APlaybackThatReachesItsEndFinishesOnce)
{
    ASSERT_NE(fake, nullptr);
    player.Open(QStringLiteral("/tmp/ohm.mp3"));
    player.Play();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(finished.count(), 0);
    fake->finish();
    EXPECT_EQ(finished.count(), 1);
    fake->finish();
    fake->fail();
    settle();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(SoundPlayerTest, AStoppedSoundRaisesNoPlayFinished)
{
    player.Open(QStringLiteral("/tmp/a.mp3"));
    player.Play();
    const int stops = fake->stopCount();
    player.Stop();
    // Even a back end that still reports the end after the stop is not heard.
    emit fake->ended();
    settle();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(fake->stopCount(), stops + 1);
}

TEST_F(SoundPlayerTest, EveryPlayStartsAFreshPlaybackFromTheBeginning)
{
    player.Open(QStringLiteral("/tmp/a.mp3"));
    player.Play();
    player.Stop();
    player.Play();
    EXPECT_EQ(fake->playCount(), 2);
    fake->finish();
    EXPECT_EQ(finished.count(), 1);
    // After an end, Play goes again, and ends again.
    player.Play();
    EXPECT_EQ(fake->playCount(), 3);
    EXPECT_TRUE(fake->isPlaying());
    fake->finish();
    EXPECT_EQ(finished.count(), 2);
}

TEST_F(SoundPlayerTest, AnUnplayableFileStillEndsFromTheEventLoop)
{
    FakeSoundBackend::setUnplayable({QStringLiteral("broken.mp3")});
    player.Open(QStringLiteral("/tmp/Broken.MP3"));
    player.Play();
    EXPECT_EQ(finished.count(), 0) << "the end must not arrive inside Play";
    EXPECT_TRUE(finished.wait(1000));
    settle();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(SoundPlayerTest, PlayWithNothingOpenEndsAndStopCancelsThatEnd)
{
    player.Play();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(finished.wait(1000));

    player.Open(QStringLiteral("/tmp/a.mp3"));
    player.Close();
    player.Play();
    player.Stop();
    EXPECT_FALSE(finished.wait(300));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(fake->playCount(), 0) << "nothing was open, so the back end was not asked";
}

TEST_F(SoundPlayerTest, AFailureDuringPlaybackEndsIt)
{
    player.Open(QStringLiteral("/tmp/a.mp3"));
    player.Play();
    fake->fail();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(SoundPlayerTest, OpenReplacesTheFileAndStopsWhatPlays)
{
    player.Open(QStringLiteral("/tmp/a.mp3"));
    player.Play();
    player.Open(QStringLiteral("/tmp/b.mp3"));
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(fake->isPlaying());
    player.Play();
    EXPECT_EQ(fake->openFile(), QStringLiteral("/tmp/b.mp3"));
    EXPECT_EQ(FakeSoundBackend::playLog(),
              QStringList({QStringLiteral("/tmp/a.mp3"), QStringLiteral("/tmp/b.mp3")}));
    settle();
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(SoundPlayerTest, AStoredPathFindsTheFileWithoutRegardToCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sounds")));
    QFile file(dir.filePath(QStringLiteral("sounds/ohm.mp3")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    player.Open(dir.path() + QStringLiteral("\\Sounds\\OHM.mp3"));
    EXPECT_EQ(fake->openFile(), file.fileName());
    EXPECT_EQ(player.fileName(), file.fileName());
}

TEST_F(SoundPlayerTest, AnEndHandlerCanPlayAgainForALoop)
{
    // The start-up sound repeats itself from its own end handler.
    int ends = 0;
    QObject::connect(&player, &SoundPlayer::PlayFinished, &player, [&] {
        if (++ends < 3)
            player.Play();
    });
    player.Open(QStringLiteral("/tmp/ohm.mp3"));
    player.Play();
    fake->finish();
    fake->finish();
    fake->finish();
    EXPECT_EQ(ends, 3);
    EXPECT_EQ(fake->playCount(), 3);
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(SoundPlayerTest, KeySoundsCloseFromTheirEndHandler)
{
    // Open, Play; the end handler closes. The next key opens again.
    QObject::connect(&player, &SoundPlayer::PlayFinished, &player, [&] { player.Close(); });
    for (const QString &key : {QStringLiteral("/tmp/k.mp3"), QStringLiteral("/tmp/kA.mp3")}) {
        player.Open(key);
        player.Play();
        fake->finish();
    }
    EXPECT_EQ(finished.count(), 2);
    EXPECT_EQ(fake->closeCount(), 2);
    EXPECT_TRUE(player.fileName().isEmpty());
}

TEST_F(SoundPlayerTest, AutoFinishingDoubleEndsEveryPlaybackByItself)
{
    FakeSoundBackend::setAutoFinish(true);
    player.Open(QStringLiteral("/tmp/a.mp3"));
    player.Play();
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(finished.wait(1000));
    player.Play();
    player.Stop();
    settle();
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
