#include "platform/controls/SoundPlayer.h"
#include "tests/sound/RealSound.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using controls::SoundPlayer;
using RealSound::LengthTolerance;
using RealSound::RecordingLag;

constexpr int Bound = 15000;

class SoundPlayerHeard : public ::testing::Test
{
protected:
    void SetUp() override { listener.start(); }

    RealSound::Listener listener;
    QTemporaryDir dir;
};

// A lesson opens its recordings when it shows a letter and plays them when
// the learner gets there: the wait in between must cost nothing of the sound.
TEST_F(SoundPlayerHeard, ARecordingOpenedLongBeforeItPlaysIsHeardWholeBeforeItsEnd)
{
    const QString tone = dir.filePath(QStringLiteral("tone.mp3"));
    RealSound::writeTone(tone, 1.0, 600);

    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::PlayFinished);
    player.Close();
    player.Open(tone);
    QTest::qWait(1500);

    QList<double> endsAt;
    for (int playback = 0; playback < 2; ++playback) {
        player.Play();
        ASSERT_TRUE(finished.wait(Bound));
        endsAt.append(listener.seconds());
    }

    const auto tones = listener.heardTones();
    ASSERT_EQ(tones.size(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(tones[i].hertz, 600, 60);
        EXPECT_GE(tones[i].length(), 1.0 - LengthTolerance);
        EXPECT_LE(tones[i].length(), 1.0 + LengthTolerance);
        // The end comes when the learner has heard the recording out.
        EXPECT_LE(tones[i].end, endsAt[i] + RecordingLag);
    }
    EXPECT_EQ(finished.count(), 2);
}

TEST_F(SoundPlayerHeard, AStoppedRecordingIsCutAndReportsNoEnd)
{
    const QString tone = dir.filePath(QStringLiteral("long.mp3"));
    RealSound::writeTone(tone, 3.0, 500);

    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::PlayFinished);
    player.Open(tone);
    player.Play();
    QTRY_VERIFY_WITH_TIMEOUT(!listener.tonesSoFar().isEmpty(), Bound);
    player.Stop();
    EXPECT_FALSE(finished.wait(4000));

    const auto tones = listener.heardTones();
    ASSERT_EQ(tones.size(), 1);
    EXPECT_LT(tones[0].length(), 1.0);
}

} // namespace
