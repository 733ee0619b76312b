#include "platform/controls/QtSoundBackend.h"

#include "platform/controls/SoundDecoder.h"
#include "platform/controls/SoundPlayer.h"
#include "tests/platform/controls/TestMedia.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// These run the real Qt Multimedia back end, with no sound card.
namespace {

using controls::QtSoundBackend;
using controls::SoundPlayer;

constexpr int ToneMs = 300;
constexpr int Bound = 10000; // no test waits longer for one end

class QtSoundBackendTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testmedia::writeWav(tone, ToneMs);
    }

    QtSoundBackend *backendOf(const SoundPlayer &player)
    {
        return qobject_cast<QtSoundBackend *>(player.backend());
    }

    QTemporaryDir dir;
    QString tone = dir.filePath(QStringLiteral("tone.wav"));
};

TEST_F(QtSoundBackendTest, OpeningDecodesTheWholeFile)
{
    SoundPlayer player;
    QtSoundBackend *backend = backendOf(player);
    ASSERT_NE(backend, nullptr);
    player.Open(dir.filePath(QStringLiteral("missing.mp3")));
    EXPECT_FALSE(backend->isDecoded());
    player.Open(tone);
    QTRY_VERIFY_WITH_TIMEOUT(backend->isDecoded(), Bound);
    EXPECT_NEAR(double(backend->lengthUs()), ToneMs * 1000.0, 5000.0);
    player.Close();
    EXPECT_FALSE(backend->isDecoded());
}

// A lesson reopens its players at every "&Next": whatever was still being
// decoded for the letter before must never become the new letter's sound.
TEST_F(QtSoundBackendTest, AFileReopenedWhileDecodingKeepsOnlyTheLastOne)
{
    const QString longTone = dir.filePath(QStringLiteral("long.wav"));
    testmedia::writeWav(longTone, 3 * ToneMs);
    SoundPlayer player;
    QtSoundBackend *backend = backendOf(player);
    ASSERT_NE(backend, nullptr);
    player.Open(longTone);
    player.Open(tone);
    player.Open(longTone);
    player.Open(tone);
    QTRY_VERIFY_WITH_TIMEOUT(backend->isDecoded(), Bound);
    QTest::qWait(ToneMs); // time for any stale result to arrive
    EXPECT_NEAR(double(backend->lengthUs()), ToneMs * 1000.0, 5000.0);
    EXPECT_EQ(controls::SoundDecoder::pending(), 0);

    // Closed before its decode ends: nothing is left waiting.
    player.Open(longTone);
    player.Close();
    EXPECT_EQ(controls::SoundDecoder::pending(), 0);
    QTest::qWait(ToneMs);
    EXPECT_FALSE(backend->isDecoded());
}

// Reopening a recording costs no decode (each one leaks a little inside the
// media framework); a file written again is decoded anew.
TEST_F(QtSoundBackendTest, ARecordingOpenedAgainIsDecodedOnlyWhenItChanged)
{
    SoundPlayer player;
    QtSoundBackend *backend = backendOf(player);
    ASSERT_NE(backend, nullptr);
    player.Open(tone);
    QTRY_VERIFY_WITH_TIMEOUT(backend->isDecoded(), Bound);
    const int decodes = controls::SoundDecoder::decodesStarted();
    for (int again = 0; again < 3; ++again) {
        player.Open(tone);
        EXPECT_FALSE(backend->isDecoded()) << "a kept recording still arrives from the event loop";
        QTRY_VERIFY_WITH_TIMEOUT(backend->isDecoded(), Bound);
    }
    EXPECT_EQ(controls::SoundDecoder::decodesStarted(), decodes);

    QTest::qWait(20); // a later modification time
    testmedia::writeWav(tone, 2 * ToneMs);
    player.Open(tone);
    QTRY_VERIFY_WITH_TIMEOUT(backend->isDecoded(), Bound);
    EXPECT_EQ(controls::SoundDecoder::decodesStarted(), decodes + 1);
    EXPECT_NEAR(double(backend->lengthUs()), 2 * ToneMs * 1000.0, 5000.0);
}

TEST_F(QtSoundBackendTest, ARealFilePlaysToItsEndAndAgainFromTheStart)
{
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::PlayFinished);
    player.Open(tone);
    player.Play();
    ASSERT_TRUE(finished.wait(Bound));
    EXPECT_EQ(finished.count(), 1);

    // A replay after the end is a whole playback again, not an end at once.
    QElapsedTimer clock;
    clock.start();
    player.Play();
    ASSERT_TRUE(finished.wait(Bound));
    EXPECT_GE(clock.elapsed(), ToneMs / 2);
    EXPECT_EQ(finished.count(), 2);
}

TEST_F(QtSoundBackendTest, StopEndsWithoutPlayFinishedAndPlayRestarts)
{
    SoundPlayer player;
    QSignalSpy finished(&player, &SoundPlayer::PlayFinished);
    player.Open(tone);
    player.Play();
    QTest::qWait(ToneMs / 2);
    player.Stop();
    EXPECT_FALSE(finished.wait(ToneMs * 3));

    QElapsedTimer clock;
    clock.start();
    player.Play();
    ASSERT_TRUE(finished.wait(Bound));
    EXPECT_GE(clock.elapsed(), ToneMs / 2) << "the replay must start from the beginning";
    EXPECT_FALSE(finished.wait(ToneMs));
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(QtSoundBackendTest, MissingAndUnreadableFilesStillEnd)
{
    QFile junk(dir.filePath(QStringLiteral("junk.mp3")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x5a'));
    junk.close();

    for (const QString &path : {dir.filePath(QStringLiteral("missing.mp3")), junk.fileName()}) {
        SoundPlayer player;
        QSignalSpy finished(&player, &SoundPlayer::PlayFinished);
        player.Open(path);
        player.Play();
        EXPECT_EQ(finished.count(), 0) << "the end must not arrive inside Play";
        EXPECT_TRUE(finished.wait(Bound)) << path.toStdString();
        EXPECT_FALSE(finished.wait(200));
        EXPECT_EQ(finished.count(), 1);
    }
}

} // namespace
