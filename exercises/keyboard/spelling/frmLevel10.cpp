#include "exercises/keyboard/spelling/frmLevel10.h"

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
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

const QString FormName = QStringLiteral("frmLevel10");
constexpr int SpellingLevel = 10;
constexpr int FewestLetters = 2;
constexpr int ExitLeftInTest = 120;
constexpr int ExitLeft = 1800;

QString progress(int question)
{
    return QStringLiteral("Test for Word ") + QString::number(question) + QStringLiteral(" of ") +
           QString::number(frmLevel10::Questions);
}

} // namespace

frmLevel10::frmLevel10(QWidget *parent)
    : ExerciseForm(FormName, parent)
    , m_keyboard(keyboards::LetterKeyboard)
    , m_letterPictures(modMain::gKeyboardChars, modMain::gKeyboardCharCount, 1)
{
    createControls();
}

frmLevel10::~frmLevel10() = default;

frmKeyboard *frmLevel10::keyboard() const
{
    return m_keyboard.loaded();
}

void frmLevel10::Form_Load()
{
    guarded(
        [this] {
            forms::Screen::setMousePointer(forms::Hourglass);
            LetterSound->setVisible(false);
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

// Every word of the pool must be typable on the keyboard, and the pass mark
// one that ten questions can reach.
bool frmLevel10::canOpen()
{
    return modMain::LoadKeyboardCharSet() &&
           words::fillsKeyboard(keyboards::LetterKeyboard, modMain::gKeyboardCharCount) &&
           words::canBeTyped(m_levelDbPath, {1, mlngWordPoolSize}, {1, mlngWordPoolSize},
                             keyboards::LetterKeyboard) &&
           modMain::HasUsablePassMark(m_levelDbPath, Questions);
}

// A practice level that has moved on comes back to this window's level.
void frmLevel10::backToOwnLevel()
{
    if (modMain::gLevel > 0) {
        modMain::gLevel = SpellingLevel;
        modMain::SetLevel(-1);
    }
}

void frmLevel10::cmdStartNewTest_Click()
{
    handled([this] {
        mblnExit = true;
        mblnDoNotDisplayMsgBox = false;
        mlngWordPoolSize = 60;
        backToOwnLevel();
        ClearAllWords();
        PickStudyWords();
        LoadStudyWords();
        for (int i = Questions; i < StudyWords; ++i)
            lblWord[std::size_t(i)]->show();
        for (int i = 0; i < StudyWords; ++i) {
            cmdWordSound[std::size_t(i)]->show();
            imgMarked[std::size_t(i)]->hide();
        }
        cmdStartTest->show();
        cmdStartNewTest->hide();
        forms::CenterForm(*this);
    });
}

void frmLevel10::cmdWordSound_Click(int Index)
{
    handled([this, Index] {
        LetterSound->Open(mstrStudySoundFiles.at(std::size_t(Index)));
        mintPlayingIndex = Index;
        LetterSound->Play();
    });
}

void frmLevel10::LetterSound_PlayFinished()
{
    LetterSound->Close();
}

void frmLevel10::cmdStartTest_Click()
{
    handled([this] {
        mblnExit = true;
        mblnDoNotDisplayMsgBox = false;
        backToOwnLevel();
        PrepareTest();
        mintCurrentQuestion = 1;
        lblTest->setText(progress(1));
        m_keyboard.show(FormName, *this);
        cmdStartTest->hide();
        cmdNextWord->show();
        lblDisplayText->hide();
        lblTest->show();
        pnlBlank3->show();
        cmdExit->setLeft(ExitLeftInTest);
        cmdRepeatWord_Click();
        cmdRepeatWord->show();
        cmdNextWord->show();
    });
}

void frmLevel10::PrepareTest()
{
    ClearAllWords();
    for (int i = 0; i < StudyWords; ++i) {
        cmdWordSound[std::size_t(i)]->hide();
        imgMarked[std::size_t(i)]->hide();
    }
    for (int i = Questions; i < StudyWords; ++i)
        lblWord[std::size_t(i)]->hide();
    for (words::PictureCell *key : picKey)
        key->empty();
    ShowCorrectWords(false);
    PickTestWords();
    LoadCorrectAnswers();
}

int frmLevel10::questionWordId(int question) const
{
    const int position = mintTestPicks.at(std::size_t(question - 1));
    return mintStudyWordIDs.at(std::size_t(position - 1));
}

void frmLevel10::cmdRepeatWord_Click()
{
    handled([this] {
        if (mintCurrentQuestion < 1 || mintCurrentQuestion > Questions)
            return;
        LetterSound->Open(GetWordSoundFile(questionWordId(mintCurrentQuestion)));
        LetterSound->Play();
    });
}

bool frmLevel10::tooShort()
{
    return m_keyboard.tooFewTyped(FewestLetters, this,
                                  QStringLiteral("The word must have at least 2 characters"));
}

void frmLevel10::cmdNextWord_Click()
{
    handled([this] {
        if (tooShort())
            return;
        lblTest->setText(progress(mintCurrentQuestion + 1));
        StoreAnswer();
        if (mintCurrentQuestion == Questions - 1) {
            cmdNextWord->hide();
            cmdMarkTest->show();
        }
        ++mintCurrentQuestion;
        cmdRepeatWord_Click();
    });
}

void frmLevel10::cmdMarkTest_Click()
{
    handled([this] {
        if (tooShort())
            return;
        cmdExit->setLeft(ExitLeft);
        StoreAnswer();
        ++mintCurrentQuestion;
        m_keyboard.unload();
        lblTest->hide();
        lblDisplayText->show();
        cmdMarkTest->hide();
        cmdRepeatWord->hide();
        cmdStartNewTest->show();
        pnlBlank3->hide();
        MarkTest();
        mblnDoNotDisplayMsgBox = true;
        mblnExit = false;
    });
}

void frmLevel10::StoreAnswer()
{
    if (mintCurrentQuestion >= 1 && mintCurrentQuestion <= Questions)
        words::takeAnswer(picWord[std::size_t(mintCurrentQuestion - 1)], picKey);
    m_keyboard.answerTaken();
}

// The pass is stored before the score shows.
void frmLevel10::MarkTest()
{
    const int score = words::markAnswers(picWord, imgMarked, Questions);
    ShowCorrectWords(true);
    if (modMain::MeetsPassMark(score, Questions, modMain::GetPassMark(m_levelDbPath)))
        words::storePass(this, SpellingLevel);
    words::showScore(this, score, Questions);
}

void frmLevel10::cmdExit_Click()
{
    handled([this] {
        mblnDoNotDisplayMsgBox = true;
        mblnExit = true;
        Unload();
    });
}

// Closing is never refused and never asks.
void frmLevel10::Form_QueryUnload(bool &Cancel, int)
{
    Cancel = false;
}

void frmLevel10::Form_Unload(bool &)
{
    LetterSound->Stop();
    if (forms::Form *main = forms::Forms::find(QStringLiteral("frmMain")))
        main->Show(false);
}
