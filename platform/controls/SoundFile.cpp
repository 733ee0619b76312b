#include "platform/controls/SoundFile.h"

#include <QFile>
#include <QFileInfo>

namespace controls {
namespace {

// An MPEG audio frame header: the sync bits, then no reserved version,
// layer, bit rate or sampling rate.
bool isMpegFrame(const QByteArray &head)
{
    if (head.size() < 3)
        return false;
    const auto b1 = quint8(head[1]);
    const auto b2 = quint8(head[2]);
    return quint8(head[0]) == 0xFF && (b1 & 0xE0) == 0xE0 && ((b1 >> 3) & 3) != 1 &&
           ((b1 >> 1) & 3) != 0 && (b2 >> 4) != 0xF && ((b2 >> 2) & 3) != 3;
}

} // namespace

bool isSoundFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.startsWith("ID3") || isMpegFrame(head) ||
           (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE") || head.startsWith("OggS") ||
           head.startsWith("fLaC");
}

} // namespace controls
