// The syllable chart's controls, placed as designed.
#include "exercises/letters/syllables/frmLevel25.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/BgrColor.h"
#include "platform/forms/Form.h"
#include "shell/modMain.h"

namespace {

constexpr quint32 WindowBackColor = 0xC0E0FF;
constexpr quint32 PanelColour = 0xD8E9EC;
constexpr int ClientWidth = 7530;
constexpr int ClientHeight = 9390;
constexpr int StepTop = 4680;
constexpr int ResultTop = 5880;
constexpr int ResultHeight = 2175;
// On a screen of 800 x 600, where the designed window is taller than the
// screen, each row closes up on the one above.
constexpr int CompactClientHeight = 8175;
constexpr int CompactShift = 240; // the syllables
constexpr int CompactStepTop = 4320;
constexpr int CompactResultTop = 5040;
constexpr int CompactBackTop = 7560;

QFont makeFont(const QString &family, qreal points, bool bold, bool italic = false)
{
    QFont made(family);
    made.setPointSizeF(points);
    made.setBold(bold);
    made.setItalic(italic);
    return made;
}

controls::SSPanel *makePanel(QWidget *parent, int left, int top, int width, int height,
                             const QFont &face, quint32 backColor = PanelColour)
{
    auto *panel = new controls::SSPanel(parent);
    panel->Move(left, top, width, height);
    panel->setFont(face);
    panel->setBackColor(backColor);
    return panel;
}

controls::SSCommand *makeButton(QWidget *parent, const QString &caption, int left,
                                const QString &tip)
{
    auto *button = new controls::SSCommand(caption, parent);
    button->Move(left, StepTop, 1455, 495);
    button->setToolTip(tip);
    return button;
}

void setTextColour(QLabel &label, quint32 bgr)
{
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, platform::fromBgr(bgr));
    label.setPalette(colours);
}

} // namespace

void frmLevel25::createControls()
{
    setBorderStyle(forms::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(WindowBackColor);
    setClientSize(ClientWidth, ClientHeight);

    lblHeading = new Label(this);
    lblHeading->setText(QStringLiteral("Full Alphabets"));
    lblHeading->Move(600, 240, 6525, 420);
    lblHeading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHeading->setFont(makeFont(QStringLiteral("Times New Roman"), 18, true, true));

    Label1 = new Label(this);
    Label1->setText(QStringLiteral("Press the individual letters below to see how the alphabet "
                                   "and the vowles are linked together"));
    Label1->Move(240, 960, 7095, 735);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(*Label1, 0x800000);

    const QFont syllableFace = makeFont(QStringLiteral("Arial"), 27.75, true);
    for (int i = 0; i < 12; ++i) {
        const bool firstRow = i < 6;
        auto *panel = makePanel(this, 240 + 1200 * (i % 6), firstRow ? 1920 : 3120, 1095,
                                firstRow ? 1095 : 975, syllableFace);
        panel->setToolTip(QStringLiteral("Press this button to play sound"));
        connect(panel, &controls::SSPanel::Click, this, [this, i] { pnlLetter1_Click(i); });
        pnlLetter1.push_back(panel);
    }

    cmdPreviousLetter = makeButton(this, QStringLiteral("&Previous Letter"), 240,
                                   QStringLiteral("Press this button to goto the previous letter"));
    cmdPlayAll1 =
        makeButton(this, QStringLiteral("Play All"), 3120,
                   QStringLiteral("Press this button to here the full alphabet for this letter"));
    cmdNextLetter = makeButton(this, QStringLiteral("&Next Letter"), 5880,
                               QStringLiteral("Press this button to goto the next letter"));

    const QFont resultFace = makeFont(QStringLiteral("Arial"), 48, true);
    pnlResult1 = makePanel(this, 240, ResultTop, 1455, ResultHeight, resultFace);
    pnlResult1->setCaption(QStringLiteral("k"));
    pnlResult2 = makePanel(this, 1800, ResultTop, 1455, ResultHeight, resultFace);
    pnlResult2->setCaption(QStringLiteral("+"));
    pnlResult3 = makePanel(this, 3360, ResultTop, 1455, ResultHeight, resultFace);
    pnlResult3->setCaption(QStringLiteral("u"));
    pnlResult4 = makePanel(this, 4920, ResultTop, 855, ResultHeight, resultFace, WindowBackColor);
    pnlResult4->setCaption(QStringLiteral("="));
    pnlResult5 = makePanel(this, 5880, ResultTop, 1455, ResultHeight, resultFace);
    pnlResult5->setCaption(QStringLiteral("ku"));

    cmdBack = new controls::SSCommand(QStringLiteral("&Main Menu"), this);
    cmdBack->Move(3000, 8880, 1575, 375);
    cmdBack->setFont(makeFont(QStringLiteral("Times New Roman"), 12, true));
    cmdBack->setForeColor(0xC000C0);

    LetterSound = new controls::SoundPlayer(this);

    connect(cmdPreviousLetter, &controls::SSCommand::Click, this,
            &frmLevel25::cmdPreviousLetter_Click);
    connect(cmdPlayAll1, &controls::SSCommand::Click, this, &frmLevel25::cmdPlayAll1_Click);
    connect(cmdNextLetter, &controls::SSCommand::Click, this, &frmLevel25::cmdNextLetter_Click);
    connect(cmdBack, &controls::SSCommand::Click, this, &frmLevel25::cmdBack_Click);
}

void frmLevel25::ArrangeFor800x600()
{
    if (modMain::GetScreenResolution() != 1)
        return;
    setClientSize(ClientWidth, CompactClientHeight);
    Label1->setTop(Label1->Top() - CompactShift / 2);
    for (controls::SSPanel *syllable : pnlLetter1)
        syllable->setTop(syllable->Top() - CompactShift);
    for (controls::SSCommand *step : {cmdPreviousLetter, cmdPlayAll1, cmdNextLetter})
        step->setTop(CompactStepTop);
    for (controls::SSPanel *result : {pnlResult1, pnlResult2, pnlResult3, pnlResult4, pnlResult5})
        result->setTop(CompactResultTop);
    cmdBack->setTop(CompactBackTop);
}
