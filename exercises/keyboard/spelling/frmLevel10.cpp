#include "exercises/keyboard/spelling/frmLevel10.h"

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "exercises/keyboard/spelling/PictureCell.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/Icons.h"
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
{
    createControls();
}

frmLevel10::~frmLevel10()
{
    // A keyboard left open by a window that was never unloaded goes with it.
    delete m_keyboard.data();
}

frmKeyboard *frmLevel10::keyboard() const
{
    return m_keyboard && m_keyboard->isLoaded() ? m_keyboard.data() : nullptr;
}

void frmLevel10::setKeyCell(int cell, const QPixmap &picture, const QString &tag)
{
    spelling::PictureCell *key = picKey.at(std::size_t(cell));
    key->setPixmap(picture);
    key->setTag(tag);
}

void frmLevel10::clearKeyCell(int cell)
{
    picKey.at(std::size_t(cell))->empty();
}

void frmLevel10::Form_Load()
{
    guarded(
        [this] {
            forms::Screen::setMousePointer(forms::Hourglass);
            LetterSound->setVisible(false);
            m_levelDbPath = modMain::gLevelDbPath;
            modMain::LoadKeyboardCharSet();
            cmdStartNewTest_Click();
            forms::Screen::setMousePointer(forms::DefaultPointer);
        },
        [] { forms::Screen::setMousePointer(forms::DefaultPointer); });
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
        ShowKeyboard();
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
    for (spelling::PictureCell *key : picKey)
        key->empty();
    ShowCorrectWords(false);
    PickTestWords();
    LoadCorrectAnswers();
}

// A new keyboard for every test: a form loads only once.
void frmLevel10::ShowKeyboard()
{
    if (m_keyboard)
        m_keyboard->Unload();
    m_keyboard = new frmKeyboard(keyboards::LetterKeyboard);
    m_keyboard->AttachFormControl(FormName);
    m_keyboard->Load();
    m_keyboard->PositionForm();
    m_keyboard->Show(false, this);
    m_keyboard->setDeleteOnUnload(true);
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
    const int typed = m_keyboard ? m_keyboard->CurrentKeyIdx() + 1 : 0;
    if (typed >= FewestLetters)
        return false;
    modMain::ShowMessageBox(this, QStringLiteral("The word must have at least 2 characters"),
                            services::MessageBoxStyle::Exclamation);
    return true;
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
        // Deleted later: this click may have come in during a key's highlight.
        if (m_keyboard)
            m_keyboard->Unload();
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
    if (m_keyboard)
        m_keyboard->cmdUndo->hide();
    if (mintCurrentQuestion >= 1 && mintCurrentQuestion <= Questions) {
        Row &answer = picWord[std::size_t(mintCurrentQuestion - 1)];
        for (std::size_t j = 0; j < Cells; ++j) {
            answer[j]->setPixmap(picKey[j]->pixmap());
            answer[j]->setTag(picKey[j]->Tag());
            picKey[j]->empty();
        }
    }
    if (m_keyboard)
        m_keyboard->setCurrentKeyIdx(-1);
}

void frmLevel10::MarkTest()
{
    int score = Questions;
    for (std::size_t k = 0; k < std::size_t(Questions); ++k) {
        Image *mark = imgMarked[k];
        mark->setPixmap(resources::LoadResPicture(resources::TickIcon));
        mark->show();
        const Row &answer = picWord[k];
        const Row &correct = picWord[k + std::size_t(Questions)];
        for (std::size_t j = 0; j < Cells; ++j) {
            if (answer[j]->Tag() != correct[j]->Tag()) {
                mark->setPixmap(resources::LoadResPicture(resources::CrossIcon));
                --score;
                break;
            }
        }
    }
    ShowCorrectWords(true);

    const int passMark = modMain::GetPassMark(m_levelDbPath);
    const bool passed = passMark == -1 ? score == Questions : score >= passMark;
    // Stored only while the learner's stored level is still this one: a
    // practice pass, or a second pass in the same window, would skip level 11.
    if (passed && modMain::GetUserLevel(modMain::gUserName, true) <= SpellingLevel) {
        modMain::AdvanceUserLevel(modMain::gUserName, 0);
        modMain::RefreshMainMenus(true);
        modMain::SetLevel(-1);
    }
    modMain::ShowMessageBox(this,
                            QStringLiteral("You got ") + QString::number(score) +
                                QStringLiteral(" out of ") + QString::number(Questions),
                            services::MessageBoxStyle::Information);
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
