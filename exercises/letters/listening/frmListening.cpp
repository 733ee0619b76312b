#include "exercises/letters/listening/frmListening.h"

#include "exercises/letters/LeavingTest.h"
#include "exercises/letters/LetterMedia.h"
#include "exercises/letters/listening/ListeningForms.h"
#include "exercises/letters/order/clsGujTest.h"
#include "platform/controls/LoadPicture.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Screen.h"
#include "platform/services/DrawGenerator.h"
#include "platform/services/MessageBox.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/Guarded.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QCheckBox>

#include <algorithm>
#include <chrono>
#include <exception>
#include <random>

namespace {

const QString StartTest = QStringLiteral("&Start Test");
const QString RepeatLetter = QStringLiteral("&Repeat Letter");
const QString NextLetter = QStringLiteral("&Next Letter");
const QString LastLetter = QStringLiteral("&Last Letter");
const QString NextLevel = QStringLiteral("&Next Level");
const QString Failed = QStringLiteral("Failed");
const QString Correct = QStringLiteral("Correct");

constexpr quint32 ChosenFrame = 0xC0FFFF;
constexpr quint32 PlainFrame = 0xE0E0E0;
constexpr quint32 OpenCell = 0xFFFFFF;
constexpr quint32 FailedCell = 0xC0;
constexpr int Inset = 1;
constexpr int Raised = 2;

} // namespace

frmListening::frmListening(const listening::ListeningForm &design, QWidget *parent)
    : ExerciseForm(QString::fromLatin1(design.name), parent)
    , m_design(design)
{
    createControls();
}

frmListening::~frmListening() = default;

// Only letters with a picture can be answered: surplus letters are never
// played.
static int playableLetters(const listening::ListeningForm &design)
{
    return std::clamp(modMain::gLetterCount, 0, design.grid.tiles);
}

void frmListening::Form_Load()
{
    guarded([this] {
        mblnDoNotDisplayMsgBox = false;
        mblnExit = true;
        LetterSound->setVisible(false);
        // Fewer letters than questions leave nothing to draw from: missing
        // level data, which ends the program as the level readers do.
        if (playableLetters(m_design) < m_design.questions) {
            forms::Screen::setMousePointer(forms::DefaultPointer);
            modMain::ShowMessageBox(this, resources::LoadResString(resources::str::NoLetters),
                                    services::MessageBoxStyle::Exclamation);
            modMain::CloseDatabaseAndEnd();
        }
        // Every letter that may be asked, and the mark the answers are
        // judged by, before the first question is drawn.
        const int letters = playableLetters(m_design);
        if (!exercises::letters::picturesServe(letters) ||
            !exercises::letters::recordingsServe(letters) ||
            !modMain::HasUsablePassMark(modMain::gLevelDbPath, m_design.questions)) {
            cannotOpen = true;
            return;
        }
        InitialiseTest();
        ArrangeFor800x600();
        forms::CenterForm(*this);
    });
}

QString frmListening::progress(int number) const
{
    return QStringLiteral("%1 %2 of %3")
        .arg(QString::fromLatin1(m_design.progressWord))
        .arg(number)
        .arg(m_design.questions);
}

void frmListening::plainFrame(int tile)
{
    controls::SSPanel *frame = pnlLetter.at(std::size_t(tile));
    frame->setBevelOuter(Inset);
    frame->setBevelSecond(Raised);
    frame->setBackColor(PlainFrame);
}

void frmListening::InitialiseTest()
{
    const auto q = std::size_t(m_design.questions);
    mintAnswers.assign(q, 0);
    mintTestLetters.assign(q, 0);
    if (mintSelected > -1)
        plainFrame(mintSelected);
    for (std::size_t i = 0; i < q; ++i) {
        pnlUser[i]->setBackColor(OpenCell);
        pnlUser[i]->setTag(QString());
        picUser[i]->clear();
        picCorrect[i]->clear();
    }
    mintQuestion = 0;
    mintSelected = -1;

    mobjGujTest = std::make_unique<clsGujTest>();
    mobjGujTest->LoadLetters(*this, chkRandomOrder->isChecked());

    mintUsed.assign(std::size_t(playableLetters(m_design)) + 1, 0);
    for (std::size_t i = 0; i < q; ++i)
        mintTestLetters[i] = GetRandomLetter();

    pnlBlank3->hide();
    SSPanel1->hide();
    Text1->hide();
    cmdRepeatLetter->setCaption(StartTest);
    lblTestLetter->setText(progress(1));
    lblTestLetter->show();
    lblCorrectOrFailed->hide();
    cmdUndo->hide();
}

// A letter not yet drawn in this test, drawn among the free ones, so the draw
// always ends.
int frmListening::GetRandomLetter()
{
    int letter = 0;
    guarded([&] {
        std::vector<int> free;
        for (int k = 1; k < int(mintUsed.size()); ++k) {
            if (std::find(mintUsed.begin() + 1, mintUsed.end(), k) == mintUsed.end())
                free.push_back(k);
        }
        if (free.empty())
            throw platform::RuntimeError(platform::err::SubscriptOutOfRange, {});
        std::uniform_int_distribution<std::size_t> pick(0, free.size() - 1);
        letter = free[pick(services::drawGenerator())];
        *std::find(mintUsed.begin() + 1, mintUsed.end(), 0) = letter;
    });
    return letter;
}

void frmListening::cmdRepeatLetter_Click()
{
    handled([this] {
        const QString caption = cmdRepeatLetter->Caption();
        if (caption == StartTest || caption == NextLetter || caption == LastLetter) {
            if (caption == StartTest)
                InitialiseTest();
            playQuestion();
        } else if (caption == RepeatLetter) {
            // The open question stays answerable during the replay.
            LetterSound->Play();
            cmdRepeatLetter->setEnabled(false);
        } else if (caption == NextLevel) {
            setTag(QStringLiteral("Next Level"));
            Hide();
        }
    });
}

void frmListening::playQuestion()
{
    pnlBlank3->show();
    cmdUndo->hide();
    if (mintSelected > -1)
        plainFrame(mintSelected);
    const int letter = mintTestLetters.at(std::size_t(mintQuestion));
    LetterSound->Open(modMain::gLetters.at(std::size_t(letter)).LetterSound);
    m_soundQuestion = mintQuestion;
    mblnSoundDone = false;
    LetterSound->Play();
    cmdRepeatLetter->setEnabled(false);
    cmdRepeatLetter->setCaption(RepeatLetter);
    lblTestLetter->setText(progress(mintQuestion + 1));
}

// The end of a replay that began before its question was answered opens
// nothing: the next question has not been heard yet.
void frmListening::LetterSound_PlayFinished()
{
    handled([this] {
        mblnSoundDone = m_soundQuestion == mintQuestion;
        cmdRepeatLetter->setEnabled(true);
    });
}

void frmListening::ImgLetter_Click(int Index)
{
    handled([this, Index] {
        if (!mblnSoundDone || mintQuestion >= m_design.questions || tileTag(Index) < 0)
            return;
        if (mintQuestion + 1 < m_design.questions)
            cmdUndo->show();
        mintSelected = Index;
        CheckAnswer(Index);
    });
}

void frmListening::CheckAnswer(int Index)
{
    controls::SSPanel *frame = pnlLetter.at(std::size_t(Index));
    frame->setBevelOuter(Inset);
    frame->setBevelSecond(Raised);
    frame->setBackColor(ChosenFrame);

    const auto q = std::size_t(mintQuestion);
    const int answer = tileTag(Index) + 1;
    const int played = mintTestLetters.at(q);
    mintAnswers[q] = answer;
    mblnSoundDone = false;
    picUser[q]->setPixmap(ImgLetter[std::size_t(Index)]->pixmap());
    pnlUser[q]->setTag(answer != played ? Failed : Correct);
    picCorrect[q]->setPixmap(LoadPicture(modMain::gLetters.at(std::size_t(played)).LetterPicture));
    if (m_design.asksOnLeaving)
        mblnDoNotDisplayMsgBox = false;

    ++mintQuestion;
    if (mintQuestion < m_design.questions - 1)
        cmdRepeatLetter->setCaption(NextLetter);
    else if (mintQuestion == m_design.questions - 1)
        cmdRepeatLetter->setCaption(LastLetter);
    else
        FinishTest();
}

// Marks the row and judges it from one read of the pass mark, so the result
// shown and the level stored always agree.
void frmListening::FinishTest()
{
    int right = 0;
    for (controls::SSPanel *cell : pnlUser) {
        if (cell->Tag() == Failed)
            cell->setBackColor(FailedCell);
        else
            ++right;
    }
    const int passMark = modMain::GetPassMark();
    const bool passed = modMain::MeetsPassMark(right, m_design.questions, passMark);
    showResult(passed
                   ? QStringLiteral("Congratulations You Have Successfully Completed This Exercise")
                   : QStringLiteral("Failed Test. Correct %1 out of %2")
                         .arg(right)
                         .arg(m_design.questions));
    lblTestLetter->hide();
    lblCorrectOrFailed->show();
    pnlBlank3->show();
    SSPanel1->show();
    Text1->show();
    cmdUndo->hide();
    if (passed) {
        cmdRepeatLetter->setCaption(NextLevel);
        if (!modMain::StorePass(servedLevel().storedOnPass))
            modErrors::ShowPendingMessage(this);
    } else {
        cmdRepeatLetter->setCaption(StartTest);
    }
    if (m_design.asksOnLeaving)
        mblnDoNotDisplayMsgBox = true;
}

void frmListening::cmdUndo_Click()
{
    handled([this] {
        if (mintQuestion < 1 || mintSelected < 0)
            return;
        plainFrame(mintSelected);
        cmdRepeatLetter->setCaption(RepeatLetter);
        --mintQuestion;
        const auto q = std::size_t(mintQuestion);
        mintAnswers[q] = 0;
        picUser[q]->clear();
        picCorrect[q]->clear();
        pnlUser[q]->setTag(QString());
        cmdUndo->hide();
        // The player still holds this question's sound.
        mblnSoundDone = true;
    });
}

void frmListening::cmdReset_Click()
{
    handled([this] { InitialiseTest(); });
}

void frmListening::cmdBack_Click()
{
    handled([this] {
        if (!m_design.asksOnLeaving)
            setTag(QStringLiteral("Exited"));
        else if (exercises::letters::mayLeave(*this))
            setTag(QStringLiteral("Exit"));
        else
            return;
        Hide();
    });
}

void frmListening::Form_QueryUnload(bool &Cancel, int)
{
    handled([&] {
        if (m_design.asksOnLeaving) {
            exercises::letters::queryUnload(*this, Cancel);
        } else {
            setTag(QStringLiteral("Exited"));
            Hide();
        }
    });
}

int frmListening::tileCount() const
{
    return int(ImgLetter.size());
}

QPixmap frmListening::tilePicture(int tile) const
{
    return ImgLetter.at(std::size_t(tile))->pixmap();
}

void frmListening::setTilePicture(int tile, const QPixmap &picture)
{
    ImgLetter.at(std::size_t(tile))->setPixmap(picture);
}

int frmListening::tileTag(int tile) const
{
    return tile >= 0 && std::size_t(tile) < m_tags.size() ? m_tags[std::size_t(tile)] : -1;
}

void frmListening::setTileTag(int tile, int letter)
{
    m_tags.at(std::size_t(tile)) = letter;
}
