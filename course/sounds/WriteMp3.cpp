#include "course/sounds/WriteMp3.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <lame/lame.h>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

namespace sounds {

namespace {

constexpr int AlgorithmQuality = 3; // 0 best .. 9 fastest; the clips are short
constexpr int Chunk = 8192;

struct LameCloser
{
    void operator()(lame_global_flags *flags) const { lame_close(flags); }
};
using Lame = std::unique_ptr<lame_global_flags, LameCloser>;

[[noreturn]] void fail(const QString &path, const std::string &why)
{
    throw std::runtime_error("cannot write MP3 \"" + path.toStdString() + "\": " + why);
}

// Worst case output size of LAME for n samples, from lame.h.
std::size_t bound(std::size_t samples)
{
    return samples + samples / 4 + 7200;
}

// LAME fills process-wide quantisation tables every time an encoder starts,
// while other encoders read them; encoders therefore take turns. A clip takes
// milliseconds to encode.
std::mutex &encoderMutex()
{
    static std::mutex mutex;
    return mutex;
}

QByteArray encode(const Pcm &pcm, const QString &path, int kbitPerSecond)
{
    const std::lock_guard<std::mutex> lock(encoderMutex());
    const Lame lame(lame_init());
    if (!lame)
        fail(path, "the encoder could not be created");
    lame_set_num_channels(lame.get(), 1);
    lame_set_in_samplerate(lame.get(), pcm.sampleRate);
    lame_set_out_samplerate(lame.get(), pcm.sampleRate);
    lame_set_mode(lame.get(), MONO);
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_brate(lame.get(), kbitPerSecond);
    lame_set_quality(lame.get(), AlgorithmQuality);
    lame_set_write_id3tag_automatic(lame.get(), 0);
    // No info frame: at this bit rate it does not fit in a frame (LAME would
    // drop it anyway), and a constant bit rate gives players the length.
    lame_set_bWriteVbrTag(lame.get(), 0);
    if (lame_init_params(lame.get()) < 0)
        fail(path, "the encoder does not accept " + std::to_string(pcm.sampleRate) + " Hz");

    QByteArray mp3;
    std::vector<unsigned char> buffer(bound(Chunk));
    for (std::size_t at = 0; at < pcm.samples.size(); at += Chunk) {
        const int n = int(std::min<std::size_t>(Chunk, pcm.samples.size() - at));
        const short *samples = pcm.samples.data() + at;
        const int written =
            lame_encode_buffer(lame.get(), samples, samples, n, buffer.data(), int(buffer.size()));
        if (written < 0)
            fail(path, "encoding failed (LAME error " + std::to_string(written) + ")");
        mp3.append(reinterpret_cast<const char *>(buffer.data()), written);
    }
    const int flushed = lame_encode_flush(lame.get(), buffer.data(), int(buffer.size()));
    if (flushed < 0)
        fail(path, "encoding failed at the end (LAME error " + std::to_string(flushed) + ")");
    mp3.append(reinterpret_cast<const char *>(buffer.data()), flushed);

    return mp3;
}

} // namespace

void writeMp3(const Pcm &pcm, const QString &mp3Path, int kbitPerSecond)
{
    if (pcm.samples.empty())
        fail(mp3Path, "there are no samples");
    if (pcm.sampleRate < 8000 || pcm.sampleRate > 192000)
        fail(mp3Path, "a sample rate of " + std::to_string(pcm.sampleRate) + " Hz makes no sense");
    if (pcm.samples.size() > std::size_t(pcm.sampleRate) * 3600)
        fail(mp3Path, "longer than an hour");
    const QByteArray mp3 = encode(pcm, mp3Path, kbitPerSecond);

    const QString partPath = mp3Path + QStringLiteral(".part");
    QFile part(partPath);
    if (!part.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(mp3Path, part.errorString().toStdString());
    const bool written = part.write(mp3) == mp3.size() && part.flush();
    const std::string error = part.errorString().toStdString();
    part.close();
    if (!written || part.error() != QFileDevice::NoError) {
        QFile::remove(partPath);
        fail(mp3Path, error);
    }
    // rename(2) replaces an older file in one step, unlike QFile::rename.
    if (std::rename(QFile::encodeName(partPath).constData(),
                    QFile::encodeName(mp3Path).constData()) != 0) {
        const std::string why = std::strerror(errno);
        QFile::remove(partPath);
        fail(mp3Path, "the finished file could not be moved into place: " + why);
    }
}

} // namespace sounds
