#include "course/sounds/Hold.h"

#include "tests/course/sounds/PcmMeasures.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sounds;

namespace {

constexpr int Rate = 22050;

// A spoken syllable's outline: silence, a noisy consonant, a vowel at a
// steady 125 Hz that swells in and out, silence.
Pcm syllable(double consonantSeconds, double vowelSeconds)
{
    Pcm pcm;
    pcm.sampleRate = Rate;
    const auto append = [&](double seconds, auto sample) {
        const int n = int(seconds * Rate);
        for (int i = 0; i < n; ++i)
            pcm.samples.push_back(qint16(sample(i, n)));
    };
    const auto silence = [](int, int) { return 0.0; };
    append(0.05, silence);
    unsigned noise = 1;
    append(consonantSeconds, [&](int, int) {
        noise = noise * 1103515245u + 12345u;
        return double(int(noise >> 16 & 0x7FFF) - 16384) * 0.5;
    });
    append(vowelSeconds, [](int i, int n) {
        const double swell = std::sin(M_PI * double(i) / n);
        const double t = double(i) / Rate;
        return 20000.0 * std::sqrt(swell) *
               (0.7 * std::sin(2 * M_PI * 125 * t) + 0.3 * std::sin(2 * M_PI * 250 * t));
    });
    append(0.08, silence);
    return pcm;
}

} // namespace

TEST(Hold, VoicedSecondsIsTheHeardSpanNotTheSilenceAround)
{
    const Pcm pcm = syllable(0.04, 0.3);
    EXPECT_NEAR(voicedSeconds(pcm), 0.34, 0.03);
    EXPECT_EQ(voicedSeconds(Pcm{}), 0.0);
    Pcm silent;
    silent.samples.assign(Rate, 0);
    EXPECT_EQ(voicedSeconds(silent), 0.0);
}

TEST(Hold, TheVowelLastsUntilTheVoiceIsLongEnoughAtItsOwnPitch)
{
    const Pcm before = syllable(0.04, 0.15);
    ASSERT_LT(voicedSeconds(before), 0.3);
    Pcm held = before;
    holdVowel(held, 0.6);
    EXPECT_GE(voicedSeconds(held), 0.6);
    EXPECT_LT(voicedSeconds(held), 0.75);
    // The consonant before the vowel keeps its length and sound.
    const std::size_t consonantEnd = std::size_t((0.05 + 0.04) * Rate) - 400;
    double difference = 0;
    for (std::size_t i = std::size_t(0.06 * Rate); i < consonantEnd; ++i)
        difference += std::abs(held.samples[i] - before.samples[i]);
    EXPECT_LT(difference / double(consonantEnd), 50.0);
    // The vowel is held at 125 Hz (176 samples), not slowed down in pitch.
    const std::size_t middle = held.samples.size() / 2;
    EXPECT_NEAR(pcmtest::strongestPeriod(held, middle - 1024, 1024, 120, 240), 176, 3);
    EXPECT_EQ(pcmtest::clipped(held), 0);
}

TEST(Hold, ARecordingLongEnoughAlreadyIsLeftAsItIs)
{
    const Pcm before = syllable(0.04, 0.7);
    Pcm after = before;
    holdVowel(after, 0.6);
    EXPECT_EQ(after.samples, before.samples);
}
