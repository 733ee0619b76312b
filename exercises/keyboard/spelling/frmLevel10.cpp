#include "exercises/keyboard/spelling/frmLevel10.h"

#include "exercises/keyboard/words/KeyboardTestForms.h"
#include "exercises/keyboard/words/WordCheck.h"
#include "platform/controls/SSCommand.h"
#include "shell/modMain.h"

namespace {

constexpr int SpellingLevel = 10;
constexpr int ExitLeftInTest = 120;
constexpr int ExitLeft = 1800;

} // namespace

frmLevel10::frmLevel10(QWidget *parent)
    : WordTestWindow(words::SpellingTest, parent)
{
    createControls();
}

frmLevel10::~frmLevel10() = default;

bool frmLevel10::canOpen()
{
    return words::canBeTyped(m_test.levelDbPath(), {1, mlngWordPoolSize}, {1, mlngWordPoolSize},
                             *words::SpellingTest.keyboard);
}

int frmLevel10::ownLevel() const
{
    return SpellingLevel;
}

void frmLevel10::backToOwnLevel()
{
    if (modMain::gLevel > 0) {
        modMain::gLevel = SpellingLevel;
        modMain::SetLevel(-1);
    }
}

void frmLevel10::fillStartPage()
{
    mlngWordPoolSize = 60;
    backToOwnLevel();
    words::clearRows(picWord);
    PickStudyWords();
    LoadStudyWords();
    for (int i = Questions; i < StudyWords; ++i)
        lblWord[std::size_t(i)]->show();
    for (int i = 0; i < StudyWords; ++i) {
        cmdWordSound[std::size_t(i)]->show();
        imgMarked[std::size_t(i)]->hide();
    }
}

bool frmLevel10::prepareTest()
{
    backToOwnLevel();
    clearForTest();
    PickTestWords();
    LoadCorrectAnswers();
    lblDisplayText->hide();
    cmdExit->setLeft(ExitLeftInTest);
    cmdRepeatWord->show();
    return true;
}

int frmLevel10::questionWordId(int question) const
{
    const int position = mintTestPicks.at(std::size_t(question - 1));
    return mintStudyWordIDs.at(std::size_t(position - 1));
}

// The recording is looked up again at every play.
void frmLevel10::ask(int question)
{
    playSound(GetWordSoundFile(questionWordId(question)));
}

int frmLevel10::markAnswers()
{
    cmdExit->setLeft(ExitLeft);
    lblDisplayText->show();
    cmdRepeatWord->hide();
    cmdStartNewTest->show();
    return markRows();
}
