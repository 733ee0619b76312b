#include "exercises/keyboard/maths/frmLevel20.h"

#include "exercises/keyboard/maths/MathsRules.h"
#include "exercises/keyboard/words/KeyboardTestForms.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"

#include <QPointer>

namespace {

constexpr int FirstMathsLevel = 21;

struct Stage
{
    const char *heading; // nullptr: the designed one
    const char *startText;
};

// By NumberStage 1 to 5.
constexpr std::array<Stage, 5> Stages{{
    {"Plus Excercise", "This level will test you between numbers 1 to 50 for plus"},
    {"Minus Excercise", "This level will test you between numbers 1 to 50 for minus"},
    {"Multiplication Excercise",
     "This level will test you between numbers 1 to 50 for multiplication"},
    {"Division Excercise", "This level will test you between numbers 1 to 50 for division"},
    {nullptr, "This level will test you between numbers 1 to 100 for All"},
}};

struct TextPlace
{
    int top;
    int height;
    qreal fontSize;
};
constexpr TextPlace StartTextPlace{4080, 840, 16};
constexpr TextPlace ProgressPlace{720, 420, 18};
constexpr int ProgressTop = 720;

void place(words::Label &label, const TextPlace &at)
{
    label.setTop(at.top);
    label.setHeight(at.height);
    QFont font = label.font();
    font.setPointSizeF(at.fontSize);
    label.setFont(font);
}

} // namespace

frmLevel20::frmLevel20(maths::MathsQuestions::Uniform uniform, QWidget *parent)
    : TestWindow(words::MathsTest, parent)
    , m_questions(new maths::MathsQuestions(std::move(uniform), this))
{
    createControls();
}

frmLevel20::~frmLevel20() = default;

bool frmLevel20::knownStage() const
{
    return NumberStage >= 1 && NumberStage <= int(Stages.size());
}

// Never above the last level: a pass of level 25 stores 26 and no more.
int frmLevel20::ownLevel() const
{
    return FirstMathsLevel - 1 + (knownStage() ? NumberStage : int(Stages.size()));
}

void frmLevel20::Form_Load()
{
    if (knownStage() && Stages[std::size_t(NumberStage - 1)].heading)
        lblHeading->setText(QString::fromLatin1(Stages[std::size_t(NumberStage - 1)].heading));
    TestWindow::Form_Load();
}

// What the level tests.
void frmLevel20::fillStartPage()
{
    if (knownStage()) {
        lblTest->setText(QString::fromLatin1(Stages[std::size_t(NumberStage - 1)].startText));
        place(*lblTest, StartTextPlace);
        lblTest->show();
    } else {
        place(*lblTest, ProgressPlace);
        lblTest->hide();
    }
    ResetRows();
}

bool frmLevel20::prepareTest()
{
    lblTest->hide();
    lblTest->setTop(ProgressTop);
    if (!NewQuestionSet())
        return false;
    ResetRows();
    for (Label *label : lblWord)
        label->show();
    return true;
}

bool frmLevel20::NewQuestionSet()
{
    for (words::PictureCell *key : picKey)
        key->empty();
    const QPointer<frmLevel20> alive(this);
    m_questions->GenerateQuestions(NumberStage, MAX_WORDS, Questions);
    if (!alive)
        return false;
    DisplayQuestions();
    return true;
}

// A set that could not be drawn is all 0.
void frmLevel20::DisplayQuestions()
{
    using maths::MathsQuestions;
    for (std::size_t k = 0; k < Questions; ++k) {
        pnlNumber[k][0]->setCaption(
            MathsQuestions::DigitString(m_questions->mintFirstOperand().at(k)));
        pnlNumber[k][1]->setCaption(
            MathsQuestions::DigitString(m_questions->mintSecondOperand().at(k)));
        pnlAnswer[k]->setCaption(MathsQuestions::DigitString(m_questions->StageAnswer(int(k))));
    }
}

void frmLevel20::ResetRows()
{
    lblAnswer->hide();
    for (std::size_t k = 0; k < Questions; ++k) {
        if (NumberStage == maths::AllStage)
            pnlNumberSymbol[k][0]->setCaption(m_questions->OperatorSymbol(int(k)));
        else if (knownStage())
            pnlNumberSymbol[k][0]->setCaption(maths::symbolOf(NumberStage));
        lblWord[k]->hide();
        for (controls::SSPanel *panel : pnlNumber[k])
            panel->hide();
        for (controls::SSPanel *panel : pnlNumberSymbol[k])
            panel->hide();
        pnlAnswer[k]->hide();
        imgMarked[k]->hide();
    }
}

// The sum of the question; its answer stays hidden until typed.
void frmLevel20::ask(int question)
{
    const std::size_t k = std::size_t(question - 1);
    pnlNumber[k][0]->show();
    pnlNumber[k][1]->show();
    pnlNumberSymbol[k][0]->show();
    pnlNumberSymbol[k][1]->show();
}

// The typed keys are digits by their key numbers: keys 0 and 7 give "07".
void frmLevel20::takeAnswer(int question)
{
    QString answer;
    for (words::PictureCell *key : picKey) {
        if (!key->Tag().isEmpty())
            answer += maths::MathsQuestions::DigitString(key->Tag().toInt());
        key->empty();
    }
    controls::SSPanel *typed = pnlNumber[std::size_t(question - 1)][2];
    typed->setCaption(answer);
    typed->show();
}

int frmLevel20::markAnswers()
{
    cmdStartTest->show();
    lblAnswer->show();
    int score = Questions;
    for (std::size_t k = 0; k < Questions; ++k) {
        const bool right = pnlNumber[k][2]->Caption() == pnlAnswer[k]->Caption();
        words::showMark(*imgMarked[k], right);
        score -= right ? 0 : 1;
        pnlAnswer[k]->show();
    }
    return score;
}
