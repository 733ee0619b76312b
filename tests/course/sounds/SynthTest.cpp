#include "course/sounds/Applause.h"
#include "course/sounds/Chant.h"
#include "tests/course/sounds/PcmMeasures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

using namespace sounds;

TEST(Chant, HasTheAskedLengthAndNoClipping)
{
    for (const double seconds : {0.5, 3.0, 6.5}) {
        SCOPED_TRACE(seconds);
        const Pcm pcm = chant(seconds);
        EXPECT_EQ(pcm.sampleRate, 22050);
        EXPECT_EQ(pcm.samples.size(), std::size_t(std::lround(seconds * 22050)));
        EXPECT_EQ(pcmtest::clipped(pcm), 0);
        EXPECT_NEAR(pcmtest::peak(pcm), 0.7 * 32767, 50);
    }
}

TEST(Chant, IsALowToneWithSoftAttackAndRelease)
{
    const Pcm pcm = chant(5.0);
    const std::size_t n = pcm.samples.size();
    const auto at = [&](double s) { return pcmtest::seconds(pcm, s); };

    // Around 130 Hz: a period of about 168.6 samples at 22050 Hz.
    const int period = pcmtest::strongestPeriod(pcm, at(1.5), 2048, 100, 300);
    EXPECT_NEAR(22050.0 / period, 130.8, 3.0);

    const double middle = pcmtest::rms(pcm, at(1.5), at(2.5));
    EXPECT_GT(middle, 0.1);
    EXPECT_LT(pcmtest::rms(pcm, 0, at(0.05)), middle / 10);      // soft attack
    EXPECT_LT(pcmtest::rms(pcm, n - at(0.1), n), middle / 20);   // release dies away
    EXPECT_GT(pcmtest::rms(pcm, at(4.0), at(4.3)), middle / 20); // ...slowly
    EXPECT_LT(std::abs(int(pcm.samples.back())), 100);
}

TEST(Chant, IsDeterministic)
{
    EXPECT_EQ(chant(2.0).samples, chant(2.0).samples);
}

TEST(Applause, HasTheAskedLengthAndNoClipping)
{
    for (const double seconds : {0.5, 3.0, 5.0}) {
        SCOPED_TRACE(seconds);
        const Pcm pcm = applause(seconds);
        EXPECT_EQ(pcm.sampleRate, 22050);
        EXPECT_EQ(pcm.samples.size(), std::size_t(std::lround(seconds * 22050)));
        EXPECT_EQ(pcmtest::clipped(pcm), 0);
        EXPECT_NEAR(pcmtest::peak(pcm), 0.7 * 32767, 50);
    }
}

TEST(Applause, IsLoudAtFirstAndFadesToSilence)
{
    const Pcm pcm = applause(4.0);
    const std::size_t n = pcm.samples.size();
    const auto at = [&](double s) { return pcmtest::seconds(pcm, s); };

    const double early = pcmtest::rms(pcm, at(0.2), at(1.2));
    EXPECT_GT(early, 0.05);
    EXPECT_LT(pcmtest::rms(pcm, at(3.0), at(3.5)), early / 2);
    EXPECT_LT(pcmtest::rms(pcm, n - at(0.1), n), early / 20);
    EXPECT_EQ(pcm.samples.back(), 0);

    // Claps, not a steady hiss: the level jumps between neighbouring 10 ms windows.
    int jumps = 0;
    const std::size_t window = at(0.01);
    for (std::size_t i = at(0.2); i + 2 * window < at(1.2); i += window) {
        const double a = pcmtest::rms(pcm, i, i + window);
        const double b = pcmtest::rms(pcm, i + window, i + 2 * window);
        if (b > 1.8 * a || a > 1.8 * b)
            ++jumps;
    }
    EXPECT_GT(jumps, 10);
}

TEST(Applause, IsDeterministic)
{
    EXPECT_EQ(applause(2.0).samples, applause(2.0).samples);
}

TEST(Synth, RejectsLengthsThatMakeNoSense)
{
    for (const double seconds : {0.0, -1.0, 61.0, std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(chant(seconds), std::invalid_argument) << seconds;
        EXPECT_THROW(applause(seconds), std::invalid_argument) << seconds;
    }
}
