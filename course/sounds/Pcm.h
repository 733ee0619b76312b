#pragma once

#include <QtGlobal>

#include <vector>

namespace sounds {

// Mono 16-bit samples at sampleRate: what every generator makes and writeMp3 encodes.
struct Pcm
{
    int sampleRate = 22050;
    std::vector<qint16> samples;

    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

} // namespace sounds
