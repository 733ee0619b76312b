#include "course/sounds/Speak.h"

#include "course/sounds/Hold.h"
#include "tests/course/sounds/PcmMeasures.h"

#include <QStringList>

#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace sounds;

namespace {

// A letter name, a word and a number word, as the course speaks them.
const QStringList GujaratiSamples{QStringLiteral("ક"), QStringLiteral("કૂતરો"),
                                  QStringLiteral("પચીસ")};

} // namespace

TEST(Speak, GujaratiIsAudibleAndLongEnough)
{
    for (const QString &text : GujaratiSamples) {
        SCOPED_TRACE(text.toStdString());
        const Pcm pcm = speak(text);
        EXPECT_EQ(pcm.sampleRate, 22050);
        EXPECT_GT(pcm.seconds(), 0.2);
        EXPECT_LT(pcm.seconds(), 3.0);
        EXPECT_GT(pcmtest::rms(pcm), 0.05);
        EXPECT_EQ(pcmtest::clipped(pcm), 0);
        // Normalised: every recording peaks at the same level.
        EXPECT_NEAR(pcmtest::peak(pcm), 0.8 * 32767, 50);
    }
}

TEST(Speak, SilenceAroundTheWordIsTrimmedAndEndsFade)
{
    const Pcm pcm = speak(QStringLiteral("કૂતરો"));
    const std::size_t n = pcm.samples.size();
    // Sound within the first and last tenth of a second, not a long pause.
    EXPECT_GT(pcmtest::rms(pcm, 0, pcmtest::seconds(pcm, 0.1)), 0.005);
    EXPECT_GT(pcmtest::rms(pcm, n - pcmtest::seconds(pcm, 0.15), n), 0.002);
    // Faded: the very ends start and stop at (near) zero, so no click.
    EXPECT_LT(std::abs(int(pcm.samples.front())), 200);
    EXPECT_LT(std::abs(int(pcm.samples.back())), 200);
}

TEST(Speak, LongerTextTakesLongerAndWordsDiffer)
{
    const Pcm letter = speak(QStringLiteral("ક"));
    const Pcm word = speak(QStringLiteral("કૂતરો"));
    const Pcm phrase = speak(QStringLiteral("કૂતરો પચીસ"));
    EXPECT_GT(word.seconds(), letter.seconds());
    EXPECT_GT(phrase.seconds(), word.seconds() + 0.2);
}

TEST(Speak, DependsOnTheTextAloneNotOnWhatWasSpokenBefore)
{
    // The synthesiser carries pitch and pause state from one utterance into
    // the next; none of it may reach the result.
    const Pcm first = speak(QStringLiteral("પચીસ"));
    EXPECT_EQ(speak(QStringLiteral("પચીસ")).samples, first.samples);
    speak(QStringLiteral("કૂતરો ક"));
    EXPECT_EQ(speak(QStringLiteral("પચીસ")).samples, first.samples);
    speak(QStringLiteral("ક"));
    EXPECT_EQ(speak(QStringLiteral("પચીસ")).samples, first.samples);
}

TEST(Speak, VoiceIsChosenPerCall)
{
    const Pcm english = speak(QStringLiteral("twenty five"), QStringLiteral("en"));
    EXPECT_GT(english.seconds(), 0.2);
    // The Gujarati voice is back in force after another voice was used.
    const Pcm before = speak(QStringLiteral("પચીસ"));
    speak(QStringLiteral("hello"), QStringLiteral("en"));
    EXPECT_EQ(speak(QStringLiteral("પચીસ")).samples, before.samples);
}

TEST(Speak, ManyThreadsAtOnceGetTheSameResultsAsOne)
{
    std::vector<std::vector<qint16>> expected;
    for (const QString &text : GujaratiSamples)
        expected.push_back(speak(text).samples);

    std::vector<std::future<std::vector<qint16>>> results;
    for (int round = 0; round < 4; ++round)
        for (const QString &text : GujaratiSamples)
            results.push_back(
                std::async(std::launch::async, [text] { return speak(text).samples; }));
    for (std::size_t i = 0; i < results.size(); ++i)
        EXPECT_EQ(results[i].get(), expected[i % expected.size()]) << "call " << i;
}

TEST(Speak, FailuresAreReportedNotSilent)
{
    EXPECT_THROW(speak(QStringLiteral("ક"), QStringLiteral("no-such-voice")), std::runtime_error);
    EXPECT_THROW(speak(QString()), std::runtime_error);
    EXPECT_THROW(speak(QStringLiteral("   ")), std::runtime_error);
    // The engine still works after a failure.
    EXPECT_GT(speak(QStringLiteral("ક")).seconds(), 0.2);
}

TEST(Speak, PhonemesBetweenDoubleBracketsAreSpokenAsGiven)
{
    EXPECT_EQ(phonemes(QStringLiteral("[[k@m'Vr.]]")).toStdString(), "k@m'Vr.");
    // Text and phonemes mix in one recording.
    EXPECT_EQ(phonemes(QStringLiteral("બે [[k'e:l.a~]]")).toStdString(), "b'e: k'e:l.a~");
    const Pcm given = speak(QStringLiteral("[[k@m'Vr.]]"));
    const Pcm read = speak(QStringLiteral("કમળ"));
    EXPECT_GT(given.seconds(), 0.3);
    EXPECT_NE(given.samples, read.samples);
}

// The voice's own ળ is a flap and its ાં a short dull nasal, in any text:
// a chart syllable as much as a word.
TEST(Speak, LlaAndNasalAaAreMendedWhereverTheyStand)
{
    EXPECT_EQ(phonemes(QStringLiteral("ળા")).toStdString(), "l.'a:");
    EXPECT_EQ(phonemes(QStringLiteral("કમળ")).toStdString(), "k@m'Vl.");
    EXPECT_EQ(phonemes(QStringLiteral("સાત સસ્લાં")).toStdString(), "s'a:t s'Vsla~");
    EXPECT_EQ(speak(QStringLiteral("કમળ")).samples, speak(QStringLiteral("[[k@m'Vl.]]")).samples);
    // Other words are read as written.
    EXPECT_EQ(phonemes(QStringLiteral("ઘડિયાર")).toStdString(), "g#@d.'Ija:r");
}

// The voice shortens an unstressed ī; a ી inside a word is given its length back, a
// word's last ī and a chart syllable's stay as the voice says them.
TEST(Speak, IiInsideAWordKeepsItsLength)
{
    EXPECT_EQ(phonemes(QStringLiteral("મીણ્બત્તી")).toStdString(), "m,i:n.b'Vt:i");
    EXPECT_EQ(phonemes(QStringLiteral("કી")).toStdString(), "k'i");
    // The diphthong of ઐ (aI) is none of the word's i vowels (a spelling made up for it).
    EXPECT_EQ(phonemes(QStringLiteral("ઐતીહાસીક")).toStdString(), ",aIt,i:Ha:s'i:k");
}

TEST(Speak, AHeldLetterNameIsHeardForAsLongAsAsked)
{
    for (const QString &text : {QStringLiteral("ક"), QStringLiteral("ઇ"), QStringLiteral("ઉ")}) {
        SCOPED_TRACE(text.toStdString());
        // Spoken plainly, the name is over too soon for a child.
        EXPECT_LT(voicedSeconds(speak(text)), 0.3);
        const Pcm held = speakHeld(text, 0.6);
        EXPECT_GE(voicedSeconds(held), 0.6);
        EXPECT_LT(held.seconds(), 1.0);
        EXPECT_NEAR(pcmtest::peak(held), 0.8 * 32767, 50);
        EXPECT_LT(std::abs(int(held.samples.back())), 200);
    }
}
