#include "exercises/letters/syllables/frmLevel25.h"

#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBoxStyle.h"
#include "platform/services/Yield.h"
#include "platform/text/KeyText.h"
#include "platform/text/SyllableChart.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/Guarded.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QEventLoop>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

namespace syl = text::syllables;

namespace {

constexpr quint32 PanelColour = 0xD8E9EC;
constexpr quint32 LitColour = 0xC0FFFF;
constexpr int PauseMilliseconds = 350;
// A recording whose end never comes is given up after this: a syllable
// lasts about a second.
constexpr int RecordingLimitMilliseconds = 10000;

// Sets a flag for as long as it lives, whatever way the scope ends.
class Holding
{
public:
    explicit Holding(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~Holding() { m_flag = false; }
    Q_DISABLE_COPY_MOVE(Holding)

private:
    bool &m_flag;
};

} // namespace

frmLevel25::frmLevel25(QWidget *parent)
    : ExerciseForm(QStringLiteral("frmLevel25"), parent)
    , m_recordingLimit(RecordingLimitMilliseconds)
{
    createControls();
    connect(LetterSound, &controls::SoundPlayer::PlayFinished, this,
            &frmLevel25::LetterSound_PlayFinished);
}

frmLevel25::~frmLevel25() = default;

bool frmLevel25::idle() const
{
    return mblnSoundDone && !mblnBusy && !mblnSequence;
}

void frmLevel25::Form_Load()
{
    guarded([this] {
        mblnDoNotDisplayMsgBox = false;
        mblnExit = true;
        mblnSoundDone = true;
        LetterSound->setVisible(false);
        if (!LoadConfiguration()) {
            cannotOpen = true;
            return;
        }
        for (controls::SSPanel *panel : {pnlResult1, pnlResult3, pnlResult5})
            panel->setFontName(text::KeyFontName);
        for (controls::SSPanel *panel : pnlLetter1)
            panel->setFontName(text::KeyFontName);
        refill();
        ArrangeFor800x600();
        forms::CenterForm(*this);
        cmdPreviousLetter_Click();
    });
}

bool frmLevel25::LoadConfiguration()
{
    bool usable = false;
    guarded(
        [this, &usable] {
            forms::Screen::setMousePointer(forms::Hourglass);
            db::Connection connection;
            connection.Open(modMain::ConnectionString(modMain::gLevelDbPath));
            db::Recordset configuration;
            configuration.Open(QStringLiteral("select * from Configuration"), connection);
            if (configuration.RecordCount() == 0) {
                modMain::ShowMessageBox(this,
                                        resources::LoadResString(resources::str::NoConfiguration),
                                        services::MessageBoxStyle::Exclamation);
                forms::Screen::setMousePointer(forms::DefaultPointer);
                modMain::CloseDatabaseAndEnd();
            }
            configuration.MoveFirst();
            const int stored = configuration.Field(QStringLiteral("MaxLetter")).toInteger();
            configuration.Close();
            connection.Close();
            forms::Screen::setMousePointer(forms::DefaultPointer);
            // A chart held at its first consonant has nothing to step
            // through; beyond the consonant table there is nothing to show.
            if (stored < 1) {
                modErrors::ReportBadData(
                    QStringLiteral("The last consonant of this level's chart (MaxLetter) is %1; "
                                   "it must be a number from 1 to %2.")
                        .arg(stored)
                        .arg(syl::LastConsonant));
                return;
            }
            mintMaxLetter = std::min(stored, syl::LastConsonant);
            usable = true;
        },
        [] { forms::Screen::setMousePointer(forms::DefaultPointer); });
    return usable;
}

void frmLevel25::FillSyllables(const QString &consonantKey)
{
    for (int i = 0; i < syl::SignCount; ++i)
        pnlLetter1.at(std::size_t(i))->setCaption(syl::syllableKey(consonantKey, i));
}

void frmLevel25::ShowConsonant()
{
    FillSyllables(text::consonantKeyAt(mintLetter));
}

void frmLevel25::refill()
{
    const Holding busy(mblnBusy);
    ShowConsonant();
}

void frmLevel25::ShowBreakdown(const controls::SSPanel &syllable)
{
    const QString s = syllable.Caption();
    QString consonant = s;
    QString sign;
    if (s.size() >= 2 && s.startsWith(u'i')) {
        sign = QStringLiteral("i");
        consonant = s.mid(1);
    } else if (s.size() >= 2) {
        consonant = s.left(1);
        sign = s.mid(1);
    }
    pnlResult1->setCaption(consonant);
    pnlResult3->setCaption(sign);
    pnlResult5->setCaption(s);
}

void frmLevel25::PlayAndWait(const QString &storedPath, controls::SSPanel *panel)
{
    if (panel != nullptr) {
        panel->setBackColor(LitColour);
        panel->Refresh();
        mobjLitPanel = panel;
    }
    LetterSound->Open(platform::ProgramPath(storedPath));
    mblnSoundDone = false;
    LetterSound->Play();
    if (!mblnSoundDone) {
        QEventLoop waiting;
        m_waiting = &waiting;
        QTimer::singleShot(m_recordingLimit, &waiting, &QEventLoop::quit);
        waiting.exec();
        m_waiting = nullptr;
    }
    if (!mblnSoundDone) {
        LetterSound->Stop();
        LetterSound_PlayFinished();
    }
}

void frmLevel25::LetterSound_PlayFinished()
{
    handled([this] {
        if (mobjLitPanel != nullptr) {
            mobjLitPanel->setBackColor(PanelColour);
            mobjLitPanel = nullptr;
        }
        mblnSoundDone = true;
        if (m_waiting != nullptr)
            m_waiting->quit();
    });
}

void frmLevel25::pnlLetter1_Click(int Index)
{
    handled([this, Index] {
        if (!idle())
            return;
        const Holding sequence(mblnSequence);
        ShowBreakdown(*pnlLetter1.at(std::size_t(Index)));
        PlayAndWait(syl::consonantSound(mintLetter), pnlResult1);
        services::Sleep(PauseMilliseconds);
        PlayAndWait(syl::plusSound(), pnlResult2);
        services::Sleep(PauseMilliseconds);
        PlayAndWait(syl::signSound(Index), pnlResult3);
        services::Sleep(PauseMilliseconds);
        PlayAndWait(syl::syllableSound(Index, mintLetter), pnlResult5);
    });
}

void frmLevel25::cmdPlayAll1_Click()
{
    handled([this] {
        if (cmdPlayAll1->Caption() != QLatin1String("Play All")) {
            mblnStopPlayAll = true;
            return;
        }
        mblnStopPlayAll = false;
        cmdPlayAll1->setCaption(QStringLiteral("Stop"));
        // The caption comes back however the sequence ends.
        const auto restore =
            qScopeGuard([this] { cmdPlayAll1->setCaption(QStringLiteral("Play All")); });
        if (!idle())
            return;
        const Holding sequence(mblnSequence);
        for (int i = 0; i < syl::SignCount && !mblnStopPlayAll; ++i) {
            controls::SSPanel *panel = pnlLetter1.at(std::size_t(i));
            ShowBreakdown(*panel);
            PlayAndWait(syl::playAllSound(i, mintLetter), panel);
        }
    });
}

void frmLevel25::cmdNextLetter_Click()
{
    handled([this] {
        if (!idle())
            return;
        mintLetter = std::min(mintLetter + 1, mintMaxLetter);
        refill();
        if (mintLetter == mintMaxLetter)
            cmdNextLetter->setEnabled(false);
        cmdPreviousLetter->setEnabled(mintLetter >= 1);
    });
}

void frmLevel25::cmdPreviousLetter_Click()
{
    handled([this] {
        if (!idle())
            return;
        mintLetter = std::max(mintLetter - 1, 0);
        refill();
        if (mintLetter == 0)
            cmdPreviousLetter->setEnabled(false);
        cmdNextLetter->setEnabled(mintLetter < mintMaxLetter);
    });
}

void frmLevel25::cmdBack_Click()
{
    handled([this] {
        if (!idle())
            return;
        setTag(QStringLiteral("Exit"));
        Hide();
    });
}

void frmLevel25::Form_QueryUnload(bool &Cancel, int)
{
    handled([&] {
        // A running sequence always finishes.
        if (!idle())
            Cancel = true;
    });
}
