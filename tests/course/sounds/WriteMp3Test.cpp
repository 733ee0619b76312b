#include "course/sounds/WriteMp3.h"

#include "course/sounds/Chant.h"
#include "course/sounds/Speak.h"
#include "tests/course/sounds/PcmMeasures.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace sounds;

namespace {

struct Decoded
{
    bool finished = false;
    QString error;
    Pcm pcm;
};

// Decodes through Qt Multimedia (the player's own back end) to mono 16-bit
// samples, waiting at most ten seconds.
Decoded decode(const QString &path)
{
    Decoded result;
    QAudioDecoder decoder;
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(1);
    format.setSampleRate(22050);
    decoder.setAudioFormat(format);
    decoder.setSource(QUrl::fromLocalFile(path));

    QEventLoop loop;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, &loop, [&] {
        const QAudioBuffer buffer = decoder.read();
        result.pcm.sampleRate = buffer.format().sampleRate();
        const qint16 *data = buffer.constData<qint16>();
        result.pcm.samples.insert(result.pcm.samples.end(), data, data + buffer.sampleCount());
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, &loop, [&] {
        result.finished = true;
        loop.quit();
    });
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop, [&] {
        result.error = decoder.errorString();
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    decoder.start();
    loop.exec();
    decoder.stop();
    return result;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WriteMp3Test : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(WriteMp3Test, DecodesToTheSameLengthAndLevel)
{
    const Pcm word = speak(QStringLiteral("કૂતરો"));
    writeMp3(word, path(QStringLiteral("word.mp3")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("word.mp3.part"))));

    const Decoded decoded = decode(path(QStringLiteral("word.mp3")));
    ASSERT_TRUE(decoded.finished) << decoded.error.toStdString();
    EXPECT_EQ(decoded.pcm.sampleRate, 22050);
    // Nothing lost; at most the encoder's delay and the padding of the last
    // frame (576 samples each at this rate) added, where the decoder keeps them.
    EXPECT_GT(decoded.pcm.seconds(), word.seconds() - 0.01);
    EXPECT_LT(decoded.pcm.seconds(), word.seconds() + 0.08);
    EXPECT_NEAR(pcmtest::rms(decoded.pcm), pcmtest::rms(word), 0.2 * pcmtest::rms(word));
}

TEST_F(WriteMp3Test, IsSmallMonoAtTheLowBitRateWithoutTags)
{
    const Pcm tone = chant(4.0);
    writeMp3(tone, path(QStringLiteral("ohm.mp3")));
    const QByteArray mp3 = contents(path(QStringLiteral("ohm.mp3")));
    // 48 kbit/s for four seconds is 24 000 bytes.
    EXPECT_NEAR(double(mp3.size()), 24000.0, 1500.0);
    EXPECT_FALSE(mp3.startsWith("ID3"));
    EXPECT_NE(mp3.mid(mp3.size() - 128, 3), QByteArray("TAG"));
    // MPEG-2 Layer III frame header, channel mode bits 11 = single channel.
    ASSERT_GE(mp3.size(), 4);
    EXPECT_EQ(quint8(mp3[0]), 0xFF);
    EXPECT_EQ(quint8(mp3[1]) & 0xFE, 0xF2);
    EXPECT_EQ(quint8(mp3[3]) >> 6, 3);
}

TEST_F(WriteMp3Test, TheSameSamplesGiveTheSameBytes)
{
    const Pcm tone = chant(2.0);
    writeMp3(tone, path(QStringLiteral("a.mp3")));
    writeMp3(tone, path(QStringLiteral("b.mp3")));
    const QByteArray a = contents(path(QStringLiteral("a.mp3")));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, contents(path(QStringLiteral("b.mp3"))));
}

TEST_F(WriteMp3Test, ManyThreadsAtOnceWriteWhatOneWould)
{
    const Pcm tone = chant(2.0);
    writeMp3(tone, path(QStringLiteral("alone.mp3")));
    const QByteArray expected = contents(path(QStringLiteral("alone.mp3")));

    std::vector<std::future<void>> writes;
    for (int i = 0; i < 8; ++i)
        writes.push_back(std::async(std::launch::async, [this, &tone, i] {
            writeMp3(tone, path(QStringLiteral("together%1.mp3").arg(i)));
        }));
    for (auto &write : writes)
        write.get();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(contents(path(QStringLiteral("together%1.mp3").arg(i))), expected) << i;
}

TEST_F(WriteMp3Test, ReplacesAnOlderFile)
{
    const QString target = path(QStringLiteral("sound.mp3"));
    writeMp3(chant(3.0), target);
    const qint64 before = QFileInfo(target).size();
    writeMp3(chant(1.0), target);
    EXPECT_LT(QFileInfo(target).size(), before / 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sound.mp3")});
}

TEST_F(WriteMp3Test, FailuresThrowAndLeaveNothing)
{
    const Pcm tone = chant(1.0);

    const QString missingFolder = path(QStringLiteral("no/such/folder/x.mp3"));
    EXPECT_THROW(writeMp3(tone, missingFolder), std::runtime_error);
    EXPECT_FALSE(QFile::exists(missingFolder));

    // A folder stands where the file should go: the aside file is written, the rename fails.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.mp3")));
    EXPECT_THROW(writeMp3(tone, path(QStringLiteral("taken.mp3"))), std::runtime_error);

    EXPECT_THROW(writeMp3(Pcm{}, path(QStringLiteral("empty.mp3"))), std::runtime_error);
    Pcm noRate = tone;
    noRate.sampleRate = 0;
    EXPECT_THROW(writeMp3(noRate, path(QStringLiteral("norate.mp3"))), std::runtime_error);

    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(WriteMp3Test, MessageNamesTheFile)
{
    try {
        writeMp3(Pcm{}, path(QStringLiteral("empty.mp3")));
        FAIL() << "no exception";
    } catch (const std::runtime_error &error) {
        EXPECT_NE(std::string(error.what()).find("empty.mp3"), std::string::npos) << error.what();
    }
}
