#include "exercises/letters/listening/frmListening.h"

#include "exercises/letters/LeavingTest.h"
#include "exercises/letters/LetterMedia.h"
#include "exercises/letters/listening/ListeningForms.h"
#include "exercises/letters/order/clsGujTest.h"
#include "platform/controls/LoadPicture.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/Guarded.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QCheckBox>

#include <algorithm>
#include <exception>

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

using Step = listening::ListeningTest::Step;

} // namespace

frmListening::frmListening(const listening::ListeningForm &design, QWidget *parent)
    : ExerciseForm(QString::fromLatin1(design.name), parent)
    , m_design(design)
    , m_test(design.questions, [] { return modMain::GetPassMark(); })
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
    if (mintSelected > -1)
        plainFrame(mintSelected);
    for (std::size_t i = 0; i < std::size_t(m_design.questions); ++i) {
        pnlUser[i]->setBackColor(OpenCell);
        pnlUser[i]->setTag(QString());
        picUser[i]->clear();
        picCorrect[i]->clear();
    }
    mintSelected = -1;

    mobjGujTest = std::make_unique<clsGujTest>();
    mobjGujTest->LoadLetters(*this, chkRandomOrder->isChecked());
    m_test.newTest(playableLetters(m_design));
    showStep();
}

void frmListening::showStep()
{
    const Step step = m_test.step();
    const int answered = m_test.question();
    switch (step) {
    case Step::Ready:
    case Step::Failed:
        cmdRepeatLetter->setCaption(StartTest);
        break;
    case Step::Asking:
        cmdRepeatLetter->setCaption(RepeatLetter);
        break;
    case Step::Answered:
        cmdRepeatLetter->setCaption(answered < m_design.questions - 1 ? NextLetter : LastLetter);
        break;
    case Step::Passed:
        cmdRepeatLetter->setCaption(NextLevel);
        break;
    }
    cmdRepeatLetter->setEnabled(!m_test.soundPlaying());
    // No undo after the last answer: the test is marked at once.
    cmdUndo->setVisible(step == Step::Answered);
    pnlBlank3->setVisible(step != Step::Ready);

    const bool finished = m_test.finished();
    SSPanel1->setVisible(finished);
    Text1->setVisible(finished);
    lblCorrectOrFailed->setVisible(finished);
    lblTestLetter->setVisible(!finished);
    // The question being asked, or the one just answered.
    if (!finished)
        lblTestLetter->setText(progress(step == Step::Answered ? answered : answered + 1));
}

void frmListening::cmdRepeatLetter_Click()
{
    handled([this] {
        switch (m_test.step()) {
        case Step::Ready:
        case Step::Failed:
            InitialiseTest();
            playQuestion();
            break;
        case Step::Answered:
            playQuestion();
            break;
        case Step::Asking:
            // The open question stays answerable during the replay.
            m_test.replay();
            LetterSound->Play();
            showStep();
            break;
        case Step::Passed:
            setTag(QStringLiteral("Next Level"));
            Hide();
            break;
        }
    });
}

void frmListening::playQuestion()
{
    if (mintSelected > -1)
        plainFrame(mintSelected);
    const int letter = m_test.ask();
    LetterSound->Open(modMain::gLetters.at(std::size_t(letter)).LetterSound);
    LetterSound->Play();
    showStep();
}

void frmListening::LetterSound_PlayFinished()
{
    handled([this] {
        m_test.soundEnded();
        showStep();
    });
}

void frmListening::ImgLetter_Click(int Index)
{
    handled([this, Index] {
        if (!m_test.takesAnswer() || tileTag(Index) < 0)
            return;
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

    const auto q = std::size_t(m_test.question());
    const int played = m_test.testLetters().at(q);
    if (m_design.asksOnLeaving)
        mblnDoNotDisplayMsgBox = false;
    const bool right = m_test.answer(tileTag(Index) + 1);
    picUser[q]->setPixmap(ImgLetter[std::size_t(Index)]->pixmap());
    pnlUser[q]->setTag(right ? Correct : Failed);
    picCorrect[q]->setPixmap(LoadPicture(modMain::gLetters.at(std::size_t(played)).LetterPicture));
    if (m_test.finished())
        FinishTest();
    else
        showStep();
}

// The test judged itself at its last answer from one read of the pass mark,
// so the result shown and the level stored always agree.
void frmListening::FinishTest()
{
    for (int i = 0; i < m_design.questions; ++i) {
        if (!m_test.isRight(i))
            pnlUser[std::size_t(i)]->setBackColor(FailedCell);
    }
    const bool passed = m_test.step() == Step::Passed;
    showResult(passed
                   ? QStringLiteral("Congratulations You Have Successfully Completed This Exercise")
                   : QStringLiteral("Failed Test. Correct %1 out of %2")
                         .arg(m_test.rightAnswers())
                         .arg(m_design.questions));
    showStep();
    if (passed && !modMain::StorePass(servedLevel().storedOnPass))
        modErrors::ShowPendingMessage(this);
    if (m_design.asksOnLeaving)
        mblnDoNotDisplayMsgBox = true;
}

void frmListening::cmdUndo_Click()
{
    handled([this] {
        if (mintSelected < 0 || !m_test.undo())
            return;
        plainFrame(mintSelected);
        const auto q = std::size_t(m_test.question());
        picUser[q]->clear();
        picCorrect[q]->clear();
        pnlUser[q]->setTag(QString());
        showStep();
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
