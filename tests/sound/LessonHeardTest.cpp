#include "platform/controls/SoundPlayer.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/sound/RealSound.h"
#include "tests/support/LessonLevel.h"
#include "tests/support/MonitorRecording.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace {

using RealSound::LengthTolerance;
using RealSound::RecordingLag;

constexpr int Bound = 20000;

// The letter's sound, then word A's, then word B's: each its own pitch, so
// the recording tells them apart, and word B's as long as a long word.
struct Step
{
    double seconds;
    double hertz;
};
constexpr Step Letter{1.0, 440};
constexpr Step WordA{1.5, 660};
constexpr Step WordB{3.0, 880};

class LessonHeard : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        // The real back end, not the double of the window tests.
        sounds.reset();
        listener.start();
        LessonLevel level(folder, [](const QString &path) {
            const QString name = QFileInfo(path).baseName();
            const Step step = name.startsWith('a') ? WordA : name.startsWith('b') ? WordB : Letter;
            RealSound::writeTone(path, step.seconds, step.hertz);
        });
        level.write(2, 2);
        storeLevel(2);
        modMain::SetLevel(2);
    }

    RealSound::Listener listener;
};

// Each step of a letter's presentation waits for its recording, and each
// recording is heard whole, however long the learner looked before clicking.
TEST_F(LessonHeard, EveryRecordingOfALetterIsHeardWholeBeforeTheNextStep)
{
    frmMain form;
    form.Load();
    form.Show();
    form.RunLevel();
    ASSERT_TRUE(modErrors::gErrMsg.isEmpty()) << modErrors::gErrMsg.toStdString();
    QTest::qWait(1500);

    QList<double> endsAt;
    const auto noteEnd = [&] { endsAt.append(listener.seconds()); };
    for (controls::SoundPlayer *player : {form.LetterSound, form.PictureSoundA, form.PictureSoundB})
        QObject::connect(player, &controls::SoundPlayer::PlayFinished, &form, noteEnd);

    QTest::mouseClick(form.ImgLetter, Qt::LeftButton, {}, form.ImgLetter->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(endsAt.size(), 3, Bound);

    const auto tones = listener.heardTones();
    ASSERT_EQ(tones.size(), 3);
    const Step steps[] = {Letter, WordA, WordB};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(tones[i].hertz, steps[i].hertz, steps[i].hertz * 0.1);
        EXPECT_GE(tones[i].length(), steps[i].seconds - LengthTolerance);
        EXPECT_LE(tones[i].length(), steps[i].seconds + LengthTolerance);
        EXPECT_LE(tones[i].end, endsAt[i] + RecordingLag);
        if (i > 0) {
            EXPECT_GE(tones[i].start, tones[i - 1].end);
        }
    }
}

} // namespace
