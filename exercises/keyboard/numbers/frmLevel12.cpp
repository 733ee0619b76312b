#include "exercises/keyboard/numbers/frmLevel12.h"

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/words/TestLeaving.h"
#include "exercises/keyboard/words/TestPass.h"
#include "exercises/keyboard/words/WordCheck.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBoxStyle.h"
#include "shell/Guarded.h"
#include "shell/modMain.h"

namespace {

const QString FormName = QStringLiteral("frmLevel12");
constexpr int FirstRangeLevel = 15;
constexpr int FullLevel = 20;
constexpr int TestTop = 720;
constexpr int FullModeTextTop = 4080;
constexpr int FewestDigits = 1;

} // namespace

frmLevel12::frmLevel12(QWidget *parent)
    : ExerciseForm(FormName, parent)
    , m_keyboard(keyboards::DigitKeypad)
    , m_digitPictures(modMain::gNumKeyboardChars, modMain::gNumKeyboardCharCount, 0)
{
    createControls();
}

frmLevel12::~frmLevel12() = default;

frmKeyboard *frmLevel12::keyboard() const
{
    return m_keyboard.loaded();
}

bool frmLevel12::rangeMode() const
{
    return NumberStage >= 1 && NumberStage <= 5;
}

int frmLevel12::ownLevel() const
{
    return rangeMode() ? FirstRangeLevel + NumberStage - 1 : FullLevel;
}

void frmLevel12::Form_Load()
{
    guarded(
        [this] {
            forms::Screen::setMousePointer(forms::Hourglass);
            LetterSound->setVisible(false);
            mintQuestionCount = 10;
            m_levelDbPath = modMain::gLevelDbPath;
            if (!canOpen()) {
                cannotOpen = true;
                forms::Screen::setMousePointer(forms::DefaultPointer);
                return;
            }
            cmdStartNewTest_Click();
            forms::Screen::setMousePointer(forms::DefaultPointer);
        },
        [] { forms::Screen::setMousePointer(forms::DefaultPointer); });
}

// Every number the window may ask must be typable on the keypad, and the
// pass mark one that its questions can reach.
bool frmLevel12::canOpen()
{
    return modMain::LoadNumKeyboardCharSet() &&
           words::fillsKeyboard(keyboards::DigitKeypad, modMain::gNumKeyboardCharCount) &&
           words::canBeTyped(m_levelDbPath, soundIds(), letterIds(), keyboards::DigitKeypad) &&
           modMain::HasUsablePassMark(m_levelDbPath, mintQuestionCount);
}

// The first page: the learning page of the range, or in full mode a line
// of text.
void frmLevel12::cmdStartNewTest_Click()
{
    handled([this] {
        if (rangeMode()) {
            lblTest->setTop(TestTop);
            lblTest->hide();
            lblDisplayText->show();
        } else {
            lblTest->setText(QStringLiteral("This level will test you between numbers 1 to 100"));
            lblTest->setTop(FullModeTextTop);
            lblTest->show();
            lblDisplayText->hide();
        }
        mblnDoNotDisplayMsgBox = false;
        mblnExit = true;
        ClearAllWords();
        PickStudyWords();
        if (rangeMode()) {
            LoadStudyWords();
            for (std::size_t i = words::RowsPerColumn; i < StudyNumbers; ++i)
                lblWord[i]->show();
        } else {
            for (Label *label : lblWord)
                label->hide();
        }
        for (std::size_t i = 0; i < StudyNumbers; ++i) {
            cmdWordSound[i]->setVisible(rangeMode());
            imgMarked[i]->hide();
        }
        cmdStartTest->show();
        cmdStartNewTest->hide();
        forms::CenterForm(*this);
    });
}

void frmLevel12::cmdWordSound_Click(int Index)
{
    handled([this, Index] {
        LetterSound->Open(mstrStudySoundFiles.at(std::size_t(Index)));
        mintPlayingIndex = Index;
        LetterSound->Play();
    });
}

void frmLevel12::LetterSound_PlayFinished()
{
    cmdWordSound.at(std::size_t(mintPlayingIndex))->setEnabled(true);
    LetterSound->Close();
}

void frmLevel12::cmdStartTest_Click()
{
    handled([this] {
        lblTest->hide();
        lblDisplayText->show();
        lblTest->setTop(TestTop);
        for (std::size_t i = 0; i < words::RowsPerColumn; ++i)
            lblWord[i]->show();
        mblnDoNotDisplayMsgBox = false;
        mblnExit = true;
        PrepareTest();
        mintCurrentQuestion = 1;
        lblTest->setText(words::progressLine(mintCurrentQuestion, mintQuestionCount));
        m_keyboard.show(FormName, *this);
        cmdStartTest->hide();
        cmdNextWord->show();
        lblTest->show();
        lblDisplayText->hide();
        pnlBlank3->show();
        cmdRepeatWord_Click();
        cmdRepeatWord->show();
        cmdNextWord->show();
    });
}

void frmLevel12::PrepareTest()
{
    ClearAllWords();
    for (std::size_t i = 0; i < StudyNumbers; ++i) {
        cmdWordSound[i]->hide();
        imgMarked[i]->hide();
    }
    for (std::size_t i = words::RowsPerColumn; i < StudyNumbers; ++i)
        lblWord[i]->hide();
    for (words::PictureCell *key : picKey)
        key->empty();
    ShowCorrectWords(false);
    PickTestWords();
    LoadCorrectAnswers();
}

// The path is looked up again at every play. An empty one plays nothing
// and ends at once.
void frmLevel12::cmdRepeatWord_Click()
{
    handled([this] {
        if (mintCurrentQuestion < 1 || mintCurrentQuestion > mintQuestionCount)
            return;
        LetterSound->Open(GetWordSoundFile(questionPosition(mintCurrentQuestion)));
        LetterSound->Play();
    });
}

bool frmLevel12::nothingTyped(const QString &message)
{
    return m_keyboard.tooFewTyped(FewestDigits, this, message);
}

void frmLevel12::cmdNextWord_Click()
{
    handled([this] {
        if (nothingTyped(QStringLiteral("The Number must have at least 1 number")))
            return;
        lblTest->setText(words::progressLine(mintCurrentQuestion + 1, mintQuestionCount));
        StoreAnswer();
        if (mintCurrentQuestion == mintQuestionCount - 1) {
            cmdNextWord->hide();
            cmdMarkTest->show();
        }
        ++mintCurrentQuestion;
        cmdRepeatWord_Click();
    });
}

void frmLevel12::cmdMarkTest_Click()
{
    handled([this] {
        if (nothingTyped(QStringLiteral("The word must have at least 1 characters")))
            return;
        StoreAnswer();
        ++mintCurrentQuestion;
        m_keyboard.unload();
        lblTest->hide();
        lblDisplayText->show();
        cmdMarkTest->hide();
        cmdRepeatWord->hide();
        (rangeMode() ? cmdStartNewTest : cmdStartTest)->show();
        pnlBlank3->hide();
        MarkTest();
        mblnDoNotDisplayMsgBox = true;
        mblnExit = true;
    });
}

void frmLevel12::StoreAnswer()
{
    if (mintCurrentQuestion >= 1 && mintCurrentQuestion <= words::RowsPerColumn)
        words::takeAnswer(picWord[std::size_t(mintCurrentQuestion - 1)], picKey);
    m_keyboard.answerTaken();
}

// The score shows before the pass is stored.
void frmLevel12::MarkTest()
{
    const int score = words::markAnswers(picWord, imgMarked, mintQuestionCount);
    ShowCorrectWords(true);
    words::showScore(this, score, mintQuestionCount);
    if (modMain::MeetsPassMark(score, mintQuestionCount, modMain::GetPassMark(m_levelDbPath)))
        words::storePass(this, ownLevel());
}

void frmLevel12::cmdExit_Click()
{
    handled([this] {
        if (words::mayLeave(*this))
            Unload();
    });
}

void frmLevel12::Form_QueryUnload(bool &Cancel, int)
{
    handled([&] {
        if (words::refuseClosing(*this))
            Cancel = true;
    });
}

void frmLevel12::Form_Unload(bool &)
{
    LetterSound->Stop();
    if (forms::Form *main = forms::Forms::find(QStringLiteral("frmMain")))
        main->Show(false);
}
