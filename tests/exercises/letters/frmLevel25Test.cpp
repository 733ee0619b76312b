#include "exercises/letters/syllables/frmLevel25.h"

#include "course/schema/Create.h"
#include "course/schema/Writer.h"
#include "exercises/letters/RegisterWindows.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/text/SyllableChart.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WindowSystemInput.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>

namespace {

namespace syl = text::syllables;
constexpr quint32 Lit = 0xC0FFFF;

QString fileOf(const QString &stored)
{
    return stored.section(u'\\', -1);
}

// One recording as the learner heard it.
struct Heard
{
    QString file;
    QStringList lit;      // panels lit while it played
    QString breakdown;    // consonant, sign, syllable as shown meanwhile
    qint64 startedAt = 0; // ms since the listener began
    qint64 finishedAt = 0;
};

// Ends each recording of the chart when it has been noted, running `during`
// (with the recording's number) while it still plays.
class Listener final
{
public:
    explicit Listener(frmLevel25 &form, std::function<void(int)> during = {})
        : m_form(form)
        , m_during(std::move(during))
    {
        m_clock.start();
        m_poll.setInterval(1);
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { poll(); });
        m_poll.start();
    }
    Q_DISABLE_COPY_MOVE(Listener)

    QList<Heard> heard;

private:
    void poll()
    {
        FakeSoundBackend *sound = FakeSoundBackend::of(*m_form.LetterSound);
        if (!sound->isPlaying() || m_busy)
            return;
        m_busy = true;
        Heard now;
        now.file = QFileInfo(sound->openFile()).fileName();
        now.startedAt = m_clock.elapsed();
        now.lit = litPanels();
        now.breakdown = m_form.pnlResult1->Caption() + u'|' + m_form.pnlResult3->Caption() + u'|' +
                        m_form.pnlResult5->Caption();
        heard.append(now);
        if (m_during)
            m_during(int(heard.size()) - 1);
        heard.last().finishedAt = m_clock.elapsed();
        sound->finish();
        m_busy = false;
    }

    QStringList litPanels() const
    {
        QStringList lit;
        const std::pair<const char *, controls::SSPanel *> results[] = {
            {"pnlResult1", m_form.pnlResult1},
            {"pnlResult2", m_form.pnlResult2},
            {"pnlResult3", m_form.pnlResult3},
            {"pnlResult4", m_form.pnlResult4},
            {"pnlResult5", m_form.pnlResult5}};
        for (const auto &[name, panel] : results) {
            if (panel->BackColor() == Lit)
                lit << QString::fromLatin1(name);
        }
        for (std::size_t i = 0; i < m_form.pnlLetter1.size(); ++i) {
            if (m_form.pnlLetter1[i]->BackColor() == Lit)
                lit << QStringLiteral("pnlLetter1(%1)").arg(i);
        }
        return lit;
    }

    frmLevel25 &m_form;
    std::function<void(int)> m_during;
    QTimer m_poll;
    QElapsedTimer m_clock;
    bool m_busy = false;
};

// The recording ends and its end is handled, while the chart has not yet
// gone on to what follows.
void endAndLetEventsRun(frmLevel25 &form)
{
    FakeSoundBackend::of(*form.LetterSound)->finish();
    QTest::qWait(20);
}

class SyllableChart : public ::testing::Test
{
protected:
    SyllableChart()
    {
        modMain::resetForTests();
        exercises::letters::registerWindows();
        modMain::gLevelDbPath = folder.levelDatabase(13);
        // Every recording of the first consonants, as the folder holds them.
        QStringList stored{syl::plusSound()};
        for (int sign = 0; sign < syl::SignCount; ++sign) {
            stored << syl::signSound(sign);
            for (int consonant = 0; consonant < 3; ++consonant)
                stored << syl::syllableSound(sign, consonant) << syl::playAllSound(sign, consonant);
        }
        for (const QString &path : stored)
            folder.addFile(QStringLiteral("sounds/") + fileOf(path), "ID3");
    }
    ~SyllableChart() override
    {
        levels::clearWindows();
        modMain::resetForTests();
    }

    void configure(std::optional<int> maxLetter)
    {
        if (maxLetter)
            schema::Writer(folder.levelDatabase(13)).addConfiguration(*maxLetter);
    }

    // The window the dispatcher makes for level 13, loaded and shown.
    std::unique_ptr<frmLevel25> load(std::optional<int> maxLetter = 33)
    {
        configure(maxLetter);
        std::unique_ptr<levels::ExerciseForm> made = levels::createWindow("frmLevel25");
        auto *form = dynamic_cast<frmLevel25 *>(made.get());
        EXPECT_NE(form, nullptr);
        made.release();
        std::unique_ptr<frmLevel25> window(form);
        window->Load();
        window->Show();
        return window;
    }

    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    static QString captions(const frmLevel25 &form)
    {
        QStringList all;
        for (const controls::SSPanel *panel : form.pnlLetter1)
            all << panel->Caption();
        return all.join(u' ');
    }

    TempProgramFolder folder;
    std::unique_ptr<FakeSoundBackend::Installation> sounds = FakeSoundBackend::install();
};

// Designed taller than a screen of 800 x 600, the chart closes up there and
// fits on the screen with its title bar.
TEST_F(SyllableChart, OnAn800x600ScreenTheRowsCloseUpAndTheWindowFits)
{
    ScreenSizeDouble screen(800, 600);
    auto form = load();
    const QWidget *rows[] = {form->lblHeading,    form->Label1,      form->pnlLetter1[0],
                             form->pnlLetter1[6], form->cmdPlayAll1, form->pnlResult3,
                             form->cmdBack};
    for (std::size_t i = 1; i < std::size(rows); ++i)
        EXPECT_LE(rows[i - 1]->y() + rows[i - 1]->height(), rows[i]->y()) << i;
    EXPECT_LE(form->cmdBack->y() + form->cmdBack->height(), form->height());
    EXPECT_LE(form->height() + 30, 600);
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(form->frameGeometry()));

    // On a larger screen the chart keeps its design.
    ScreenSizeDouble larger(1024, 768);
    auto designed = load();
    EXPECT_EQ(designed->ScaleHeight(), 9390);
    EXPECT_EQ(designed->cmdBack->Top(), 8880);
}

TEST_F(SyllableChart, StepsThroughTheConsonantsAndShowsHowASyllableIsBuilt)
{
    auto form = load();
    EXPECT_EQ(captions(*form), "k kA ik kI ku kU ke kE kAe kAE k> k:");
    EXPECT_EQ(form->pnlLetter1[2]->shownText(), "કિ");
    EXPECT_FALSE(form->cmdPreviousLetter->isEnabled());
    EXPECT_TRUE(form->cmdNextLetter->isEnabled());

    click(form->cmdNextLetter);
    click(form->cmdNextLetter);
    EXPECT_EQ(captions(*form), "g gA ig gI gu gU ge gE gAe gAE g> g:");
    EXPECT_TRUE(form->cmdPreviousLetter->isEnabled());

    FakeSoundBackend::setAutoFinish(true);
    click(form->pnlLetter1[2]);
    EXPECT_EQ(form->pnlResult1->Caption(), "g");
    EXPECT_EQ(form->pnlResult3->Caption(), "i");
    EXPECT_EQ(form->pnlResult5->Caption(), "ig");
    EXPECT_EQ(form->pnlResult5->shownText(), "ગિ");

    // Another consonant leaves the breakdown as it was.
    click(form->cmdPreviousLetter);
    EXPECT_EQ(form->pnlResult5->Caption(), "ig");
    click(form->pnlLetter1[0]);
    EXPECT_EQ(form->pnlResult1->Caption(), "K");
    EXPECT_EQ(form->pnlResult3->Caption(), "");

    // The last consonant stops the steps forward.
    for (int i = 0; i < 40; ++i)
        click(form->cmdNextLetter);
    EXPECT_EQ(form->letter(), 33);
    EXPECT_EQ(form->pnlLetter1[0]->Caption(), "Y");
    EXPECT_FALSE(form->cmdNextLetter->isEnabled());
    click(form->cmdPreviousLetter);
    EXPECT_TRUE(form->cmdNextLetter->isEnabled());
}

// A chart held at its first consonant cannot serve: the window refuses to
// open, with the report pending for the dispatcher.
TEST_F(SyllableChart, MaxLetterIsLimitedToTheConsonantTable)
{
    for (const auto &[stored, limited] : {std::pair{0, -1}, {1, 1}, {99, 33}, {-4, -1}}) {
        SCOPED_TRACE(stored);
        modErrors::gErrMsg.clear();
        modMain::gLevelDbPath = folder.path() + QStringLiteral("/levels/chart%1.kdt").arg(stored);
        schema::createLevelDatabase(modMain::gLevelDbPath);
        schema::Writer(modMain::gLevelDbPath).addConfiguration(stored);
        std::unique_ptr<levels::ExerciseForm> made = levels::createWindow("frmLevel25");
        made->Load();
        const auto &form = dynamic_cast<frmLevel25 &>(*made);
        EXPECT_EQ(form.cannotOpen, limited < 0);
        if (limited < 0) {
            EXPECT_TRUE(modErrors::gErrMsg.startsWith(QStringLiteral("Error No=380\r")))
                << modErrors::gErrMsg.toStdString();
            continue;
        }
        EXPECT_EQ(form.maxLetter(), limited);
        EXPECT_TRUE(form.cmdNextLetter->isEnabled());
        EXPECT_FALSE(form.cmdPreviousLetter->isEnabled());
    }
}

TEST_F(SyllableChart, NoConfigurationRowEndsTheProgram)
{
    configure(std::nullopt);
    std::unique_ptr<levels::ExerciseForm> form = levels::createWindow("frmLevel25");
    MessageBoxScript boxes;
    boxes.expectExactly("No configuration record found in the file", 48, 1);
    ProgramEndCatcher end;
    EXPECT_THROW(form->Load(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
}

TEST_F(SyllableChart, AClickPlaysFourRecordingsLightingEachPartWithPausesBetween)
{
    auto form = load();
    Listener listener(*form, [&](int n) {
        if (n != 0)
            return;
        // Clicks that wait for the recording to end start nothing more, nor
        // do clicks that come between its end and the next recording.
        click(form->pnlLetter1[7]);
        click(form->cmdPlayAll1);
        click(form->cmdNextLetter);
        endAndLetEventsRun(*form);
        click(form->pnlLetter1[7]);
        click(form->cmdNextLetter);
    });
    click(form->pnlLetter1[4]);

    ASSERT_EQ(listener.heard.size(), 4);
    const QStringList files{"Vowels_1a.mp3", "Vow_Plus.mp3", "Vow_4.mp3", "Vowels_5a.mp3"};
    const QStringList panels{"pnlResult1", "pnlResult2", "pnlResult3", "pnlResult5"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(listener.heard[i].file, files[i]);
        EXPECT_EQ(listener.heard[i].lit, QStringList{panels[i]});
        EXPECT_EQ(listener.heard[i].breakdown, "k|u|ku");
        if (i > 0) {
            EXPECT_GE(listener.heard[i].startedAt - listener.heard[i - 1].finishedAt, 350);
        }
    }
    EXPECT_TRUE(form->idle());
    EXPECT_EQ(form->letter(), 0);
    EXPECT_EQ(form->cmdPlayAll1->Caption(), "Play All");
    for (controls::SSPanel *panel :
         {form->pnlResult1, form->pnlResult2, form->pnlResult3, form->pnlResult4, form->pnlResult5})
        EXPECT_NE(panel->BackColor(), Lit);
}

// Runs `note` at each event of `type` that reaches one of the watched widgets.
class EventProbe final : public QObject
{
public:
    EventProbe(QEvent::Type type, std::function<void(QObject *)> note)
        : m_type(type)
        , m_note(std::move(note))
    {}
    void watch(QWidget *widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type)
            m_note(watched);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void(QObject *)> m_note;
};

TEST_F(SyllableChart, ThePauseBetweenTwoRecordingsPaintsAndHoldsClicksUntilItEnds)
{
    auto form = load();
    bool listening = false;
    bool unlitPaintedInPause = false;
    EventProbe paints(QEvent::Paint, [&](QObject *) {
        unlitPaintedInPause |= listening && form->pnlResult1->BackColor() != Lit &&
                               form->pnlResult2->BackColor() != Lit;
    });
    paints.watch(form->pnlResult1);
    QStringList arrivals;
    qsizetype playedAtFirstArrival = -1;
    EventProbe releases(QEvent::MouseButtonRelease, [&](QObject *watched) {
        if (arrivals.isEmpty())
            playedAtFirstArrival = FakeSoundBackend::playLog().size();
        arrivals << watched->objectName();
    });
    form->cmdNextLetter->setObjectName("cmdNextLetter");
    form->pnlLetter1[7]->setObjectName("pnlLetter1(7)");
    form->cmdBack->setObjectName("cmdBack");
    for (QWidget *widget :
         std::initializer_list<QWidget *>{form->cmdNextLetter, form->pnlLetter1[7], form->cmdBack})
        releases.watch(widget);
    qsizetype playedAtClicks = -1;
    Listener listener(*form, [&](int n) {
        if (n != 0)
            return;
        listening = true;
        // The first recording ends when this returns; the pause follows.
        QTimer::singleShot(150, form.get(), [&] {
            playedAtClicks = FakeSoundBackend::playLog().size();
            postClick(*form->cmdNextLetter);
            postClick(*form->pnlLetter1[7]);
            postClick(*form->cmdBack);
        });
    });
    click(form->pnlLetter1[4]);

    EXPECT_EQ(playedAtClicks, 1) << "the window did not answer during the pause";
    EXPECT_TRUE(unlitPaintedInPause)
        << "the first part was not painted unlit before the second lit";
    EXPECT_EQ(arrivals.join(u' '), "cmdNextLetter pnlLetter1(7) cmdBack");
    EXPECT_GE(playedAtFirstArrival, 2) << "a click came in during the pause";
    // Each came while the chart still spoke, and was turned away.
    EXPECT_EQ(listener.heard.size(), 4);
    EXPECT_EQ(form->letter(), 0);
    EXPECT_EQ(form->pnlResult5->Caption(), "ku");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Tag().isEmpty());
}

TEST_F(SyllableChart, TheConsonantAloneSpeaksTheFirstSignBetweenTwoConsonants)
{
    auto form = load();
    click(form->cmdNextLetter);
    Listener listener(*form);
    click(form->pnlLetter1[0]);
    QStringList files;
    for (const Heard &h : listener.heard)
        files << h.file;
    EXPECT_EQ(files.join(u' '), "Vowels_1b.mp3 Vow_Plus.mp3 Vow_0.mp3 Vowels_1b.mp3");
}

TEST_F(SyllableChart, PlayAllSpeaksTheTwelveSyllablesAndStopEndsAfterTheCurrentOne)
{
    auto form = load();
    QStringList captionsMeanwhile;
    {
        Listener listener(*form, [&](int) { captionsMeanwhile << form->cmdPlayAll1->Caption(); });
        click(form->cmdPlayAll1);
        ASSERT_EQ(listener.heard.size(), 12);
        for (int i = 0; i < 12; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(listener.heard[i].file, QStringLiteral("Vow_%1a.mp3").arg(i + 1));
            EXPECT_EQ(listener.heard[i].lit, QStringList{QStringLiteral("pnlLetter1(%1)").arg(i)});
            EXPECT_TRUE(
                listener.heard[i].breakdown.endsWith(u'|' + form->pnlLetter1[i]->Caption()));
        }
    }
    EXPECT_EQ(captionsMeanwhile, QStringList(12, QStringLiteral("Stop")));
    EXPECT_EQ(form->cmdPlayAll1->Caption(), "Play All");

    Listener stopped(*form, [&](int n) {
        if (n == 2)
            click(form->cmdPlayAll1);
    });
    click(form->cmdPlayAll1);
    EXPECT_EQ(stopped.heard.size(), 3);
    EXPECT_EQ(form->cmdPlayAll1->Caption(), "Play All");
    EXPECT_TRUE(form->idle());
    for (controls::SSPanel *panel : form->pnlLetter1)
        EXPECT_NE(panel->BackColor(), Lit);
}

TEST_F(SyllableChart, MainMenuAndTheCloseBoxWaitForTheEndOfWhatPlays)
{
    auto form = load();
    {
        Listener listener(*form, [&](int n) {
            if (n == 1 || n == 11) {
                click(form->cmdBack);
                closeFromTitleBar(*form);
                endAndLetEventsRun(*form);
                click(form->cmdBack);
                closeFromTitleBar(*form);
            }
        });
        click(form->cmdPlayAll1);
        EXPECT_EQ(listener.heard.size(), 12);
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isLoaded());
    EXPECT_TRUE(form->Tag().isEmpty());

    click(form->cmdBack);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Tag(), "Exit");
}

TEST_F(SyllableChart, RecordingsThatCannotPlayEndTheSequenceAtOnce)
{
    auto form = load();
    QStringList unplayable;
    for (int sign = 0; sign < syl::SignCount; ++sign)
        unplayable << fileOf(syl::playAllSound(sign, 0));
    FakeSoundBackend::setUnplayable(unplayable);
    QElapsedTimer clock;
    clock.start();
    click(form->cmdPlayAll1);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(form->idle());
    EXPECT_EQ(FakeSoundBackend::playLog().size(), 12);
    for (controls::SSPanel *panel : form->pnlLetter1)
        EXPECT_NE(panel->BackColor(), Lit);
}

TEST_F(SyllableChart, ARecordingWhoseEndNeverComesIsStoppedAtTheLimit)
{
    auto form = load();
    form->setRecordingLimit(150);
    QElapsedTimer clock;
    clock.start();
    click(form->pnlLetter1[1]);
    EXPECT_GE(clock.elapsed(), 4 * 150 + 3 * 350);
    QStringList files;
    for (const QString &path : FakeSoundBackend::playLog())
        files << QFileInfo(path).fileName();
    EXPECT_EQ(files.join(u' '), "Vowels_1a.mp3 Vow_Plus.mp3 Vow_1.mp3 Vowels_2a.mp3");
    EXPECT_FALSE(FakeSoundBackend::of(*form->LetterSound)->isPlaying());
    EXPECT_TRUE(form->idle());
    EXPECT_NE(form->pnlResult5->BackColor(), Lit);
    click(form->cmdBack);
    EXPECT_EQ(form->Tag(), "Exit");
}

} // namespace
