#include "course/schema/Writer.h"
#include "exercises/letters/syllables/frmLevel25.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/text/SyllableChart.h"
#include "shell/modMain.h"
#include "tests/sound/RealSound.h"
#include "tests/support/BuildSlowdown.h"
#include "tests/support/TempProgramFolder.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

namespace syl = text::syllables;
using RealSound::LengthTolerance;
using RealSound::RecordingLag;

// Lengths that differ from syllable to syllable, so a step that kept its own
// pace instead of the recording's shows; neighbours alternate in pitch, so
// the recording tells where one ends and the next begins.
constexpr double Lengths[syl::SignCount] = {0.3, 0.6,  0.2,  0.45, 0.25, 0.5,
                                            0.2, 0.35, 0.55, 0.2,  0.4,  0.3};
double pitchOf(int sign)
{
    return sign % 2 == 0 ? 440 : 660;
}

// Well above any syllable here with its stream's start: a step given up at
// the limit costs little, and shows as a missing end.
constexpr int RecordingLimitMs = 3000;
// Between one syllable heard out and the next heard (a new stream comes up in
// about 0.1 s, slower when our code is sanitized): far less than any fixed
// pace would leave after a short one.
constexpr double LongestGap = BuildSlowdown > 1 ? 1.0 : 0.5;

// A new stream on the sound server now and then loses its first few
// windows on this short a recording; a recording cut at its end, or the next
// started over it, still shows.
constexpr double StreamStartLoss = 0.06;

class SyllableChartHeard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        listener.start();
        modMain::resetForTests();
        modMain::gLevelDbPath = folder.levelDatabase(13);
        // The first consonant is the one heard; a chart needs a second to step to.
        schema::Writer(modMain::gLevelDbPath).addConfiguration(1);
        for (int sign = 0; sign < syl::SignCount; ++sign) {
            const QString file = syl::playAllSound(sign, 0).section(u'\\', -1);
            RealSound::writeTone(folder.addFile(QStringLiteral("sounds/") + file), Lengths[sign],
                                 pitchOf(sign));
        }
    }
    void TearDown() override { modMain::resetForTests(); }

    TempProgramFolder folder;
    RealSound::Listener listener;
};

// "Play All" goes on to the next syllable only when the learner has heard
// the last one out, and every syllable is heard whole.
TEST_F(SyllableChartHeard, PlayAllHearsEverySyllableWholeBeforeTheNext)
{
    frmLevel25 form;
    form.setRecordingLimit(RecordingLimitMs);
    form.Load();
    form.Show();

    QList<double> endsAt;
    QObject::connect(form.LetterSound, &controls::SoundPlayer::PlayFinished, &form,
                     [&] { endsAt.append(listener.seconds()); });
    double total = 0;
    for (double length : Lengths)
        total += length;

    // The click returns when the sequence has ended.
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(form.cmdPlayAll1, Qt::LeftButton, {}, form.cmdPlayAll1->rect().center());
    EXPECT_LT(clock.elapsed(), 1000 * total + syl::SignCount * 1000);
    EXPECT_TRUE(form.idle());
    EXPECT_EQ(form.cmdPlayAll1->Caption(), "Play All");
    // Every end came from the recording, none from the limit.
    ASSERT_EQ(endsAt.size(), syl::SignCount);

    const auto tones = listener.heardTones();
    ASSERT_EQ(tones.size(), syl::SignCount);
    for (int i = 0; i < syl::SignCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(tones[i].hertz, pitchOf(i), pitchOf(i) * 0.1);
        EXPECT_GE(tones[i].length(), Lengths[i] - LengthTolerance - StreamStartLoss);
        EXPECT_LE(tones[i].length(), Lengths[i] + LengthTolerance);
        EXPECT_LE(tones[i].end, endsAt[i] + RecordingLag);
        // The next syllable starts when this one has been heard out, its
        // stream's start aside.
        if (i > 0) {
            EXPECT_GE(tones[i].start, tones[i - 1].end);
            EXPECT_LE(tones[i].start, tones[i - 1].end + LongestGap);
        }
    }
}

} // namespace
