#include "exercises/keyboard/maths/frmLevel20.h"

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/maths/MathsRules.h"
#include "exercises/keyboard/words/TestLeaving.h"
#include "exercises/keyboard/words/TestPass.h"
#include "exercises/keyboard/words/WordCheck.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Screen.h"
#include "shell/Guarded.h"
#include "shell/modMain.h"

#include <QPointer>

namespace {

const QString FormName = QStringLiteral("frmLevel20");
constexpr int FirstMathsLevel = 21;
constexpr int FewestDigits = 1;

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
    : ExerciseForm(FormName, parent)
    , m_questions(new maths::MathsQuestions(std::move(uniform), this))
    , m_keyboard(keyboards::DigitKeypad)
{
    createControls();
}

frmLevel20::~frmLevel20() = default;

frmKeyboard *frmLevel20::keyboard() const
{
    return m_keyboard.loaded();
}

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
    guarded(
        [this] {
            forms::Screen::setMousePointer(forms::Hourglass);
            mintQuestionCount = Questions;
            if (knownStage() && Stages[std::size_t(NumberStage - 1)].heading)
                lblHeading->setText(
                    QString::fromLatin1(Stages[std::size_t(NumberStage - 1)].heading));
            m_levelDbPath = modMain::gLevelDbPath;
            // The sums are the window's own; the level gives the keypad and
            // the pass mark.
            if (!modMain::LoadNumKeyboardCharSet() ||
                !words::fillsKeyboard(keyboards::DigitKeypad, modMain::gNumKeyboardCharCount) ||
                !modMain::HasUsablePassMark(m_levelDbPath, mintQuestionCount)) {
                cannotOpen = true;
                forms::Screen::setMousePointer(forms::DefaultPointer);
                return;
            }
            cmdStartNewTest_Click();
            forms::Screen::setMousePointer(forms::DefaultPointer);
        },
        // A load that fails part way leaves no hourglass behind.
        [] { forms::Screen::setMousePointer(forms::DefaultPointer); });
}

// The start page: what the level tests.
void frmLevel20::cmdStartNewTest_Click()
{
    handled([this] {
        if (knownStage()) {
            lblTest->setText(QString::fromLatin1(Stages[std::size_t(NumberStage - 1)].startText));
            place(*lblTest, StartTextPlace);
            lblTest->show();
        } else {
            place(*lblTest, ProgressPlace);
            lblTest->hide();
        }
        mblnDoNotDisplayMsgBox = false;
        mblnExit = true;
        ResetRows();
        cmdStartTest->show();
        cmdStartNewTest->hide();
        forms::CenterForm(*this);
    });
}

void frmLevel20::cmdStartTest_Click()
{
    handled([this] {
        if (m_questions->isDrawing())
            return;
        lblTest->hide();
        lblTest->setTop(ProgressTop);
        mblnDoNotDisplayMsgBox = false;
        mblnExit = true;
        if (!NewQuestionSet())
            return;
        ResetRows();
        for (Label *label : lblWord)
            label->show();
        revealRow(1);
        mintCurrentQuestion = 1;
        lblTest->setText(words::progressLine(mintCurrentQuestion, mintQuestionCount));
        m_keyboard.show(FormName, *this);
        cmdStartTest->hide();
        cmdNextWord->show();
        lblTest->show();
        pnlBlank3->show();
    });
}

bool frmLevel20::NewQuestionSet()
{
    for (words::PictureCell *key : picKey)
        key->empty();
    const QPointer<frmLevel20> alive(this);
    m_questions->GenerateQuestions(NumberStage, MAX_WORDS, mintQuestionCount);
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

// The sum of the question, 1..10; its answer stays hidden until typed.
void frmLevel20::revealRow(int question)
{
    if (question < 1 || question > Questions)
        return;
    const std::size_t k = std::size_t(question - 1);
    pnlNumber[k][0]->show();
    pnlNumber[k][1]->show();
    pnlNumberSymbol[k][0]->show();
    pnlNumberSymbol[k][1]->show();
}

void frmLevel20::cmdNextWord_Click()
{
    handled([this] {
        if (m_keyboard.tooFewTyped(FewestDigits, this,
                                   QStringLiteral("The Number must have at least 1 number")))
            return;
        lblTest->setText(words::progressLine(mintCurrentQuestion + 1, mintQuestionCount));
        StoreAnswer();
        if (mintCurrentQuestion == mintQuestionCount - 1) {
            cmdNextWord->hide();
            cmdMarkTest->show();
        }
        ++mintCurrentQuestion;
        revealRow(mintCurrentQuestion);
    });
}

void frmLevel20::cmdMarkTest_Click()
{
    handled([this] {
        if (m_keyboard.tooFewTyped(FewestDigits, this,
                                   QStringLiteral("The word must have at least 1 characters")))
            return;
        StoreAnswer();
        ++mintCurrentQuestion;
        m_keyboard.unload();
        lblTest->hide();
        cmdMarkTest->hide();
        cmdStartTest->show();
        pnlBlank3->hide();
        lblAnswer->show();
        MarkTest();
        mblnDoNotDisplayMsgBox = true;
        mblnExit = true;
    });
}

// The typed keys are digits by their key numbers: keys 0 and 7 give "07".
void frmLevel20::StoreAnswer()
{
    QString answer;
    for (words::PictureCell *key : picKey) {
        if (!key->Tag().isEmpty())
            answer += maths::MathsQuestions::DigitString(key->Tag().toInt());
        key->empty();
    }
    if (mintCurrentQuestion >= 1 && mintCurrentQuestion <= Questions) {
        controls::SSPanel *typed = pnlNumber[std::size_t(mintCurrentQuestion - 1)][2];
        typed->setCaption(answer);
        typed->show();
    }
    m_keyboard.answerTaken();
}

// The score shows before the pass is stored.
void frmLevel20::MarkTest()
{
    int score = mintQuestionCount;
    for (std::size_t k = 0; k < Questions; ++k) {
        const bool right = pnlNumber[k][2]->Caption() == pnlAnswer[k]->Caption();
        words::showMark(*imgMarked[k], right);
        score -= right ? 0 : 1;
        pnlAnswer[k]->show();
    }
    words::showScore(this, score, mintQuestionCount);
    if (modMain::MeetsPassMark(score, mintQuestionCount, modMain::GetPassMark(m_levelDbPath)))
        words::storePass(this, ownLevel());
}

void frmLevel20::cmdExit_Click()
{
    handled([this] {
        if (!m_questions->isDrawing() && words::mayLeave(*this))
            Unload();
    });
}

void frmLevel20::Form_QueryUnload(bool &Cancel, int)
{
    handled([&] {
        if (m_questions->isDrawing() || words::refuseClosing(*this))
            Cancel = true;
    });
}

void frmLevel20::Form_Unload(bool &)
{
    if (forms::Form *main = forms::Forms::find(QStringLiteral("frmMain")))
        main->Show(false);
}
