#include "exercises/keyboard/numbers/frmLevel12.h"

#include "exercises/keyboard/words/KeyboardTestForms.h"
#include "platform/controls/SSCommand.h"
#include "shell/modMain.h"

namespace {

constexpr int FirstRangeLevel = 15;
constexpr int FullLevel = 20;
constexpr int TestTop = 720;
constexpr int FullModeTextTop = 4080;

} // namespace

frmLevel12::frmLevel12(QWidget *parent)
    : WordTestWindow(words::NumbersTest, parent)
{
    createControls();
}

frmLevel12::~frmLevel12() = default;

bool frmLevel12::rangeMode() const
{
    return NumberStage >= 1 && NumberStage <= 5;
}

int frmLevel12::ownLevel() const
{
    return rangeMode() ? FirstRangeLevel + NumberStage - 1 : FullLevel;
}

bool frmLevel12::canOpen()
{
    return words::canBeTyped(m_test.levelDbPath(), soundIds(), letterIds(),
                             *words::NumbersTest.keyboard);
}

void frmLevel12::fillStartPage()
{
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
    words::clearRows(picWord);
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
}

bool frmLevel12::prepareTest()
{
    lblTest->hide();
    lblDisplayText->show();
    lblTest->setTop(TestTop);
    for (std::size_t i = 0; i < words::RowsPerColumn; ++i)
        lblWord[i]->show();
    clearForTest();
    PickTestWords();
    LoadCorrectAnswers();
    lblDisplayText->hide();
    cmdRepeatWord->show();
    return true;
}

// The path is looked up again at every play. An empty one plays nothing
// and ends at once.
void frmLevel12::ask(int question)
{
    playSound(GetWordSoundFile(questionPosition(question)));
}

// Full mode has no learning page: "Start Test" starts the next test.
int frmLevel12::markAnswers()
{
    lblDisplayText->show();
    cmdRepeatWord->hide();
    (rangeMode() ? cmdStartNewTest : cmdStartTest)->show();
    return markRows();
}
