// The spelling window's controls, placed as designed (twips).
#include "exercises/keyboard/spelling/PictureCell.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/core/Twips.h"
#include "platform/forms/Screen.h"
#include "resources/Icons.h"

#include <QPixmap>

namespace {

constexpr quint32 WindowBackColor = 0xC0E0FF;
constexpr int ClientWidth = 7740;
// On a screen too low for the designed window (800 x 600) the rows close up
// and the buttons come up under them, so nothing falls below the screen.
struct Heights
{
    int client;
    int buttonTop;
    int rowStep;
};
constexpr Heights Designed{9420, 8760, 600};
constexpr Heights Compact{8340, 7800, 540};
// The frame and a panel of the desktop.
constexpr int AroundWindow = 1200;
constexpr int ButtonWidth = 1575;
constexpr int ButtonHeight = 375;
constexpr int CellSize = 375;
constexpr int CellStep = 360;
constexpr int RowTop = 2400;
// The row labels and the speaker buttons stand a little higher than the
// cells, centred on them.
constexpr int BesideRow = 60;
constexpr int SpeakerSize = 495;
constexpr int MarkSize = 480;
constexpr quint32 DarkBlue = 0x800000;
constexpr quint32 Blue = 0xFF0000;

const Heights &heights()
{
    return forms::Screen::Height() < Designed.client + AroundWindow ? Compact : Designed;
}

int rowTop(int row)
{
    return RowTop + heights().rowStep * (row % frmLevel10::Questions);
}

bool rightColumn(int row)
{
    return row >= frmLevel10::Questions;
}

frmLevel10::Label *makeLabel(QWidget *parent, const QString &text, int left, int top, int width,
                             int height, const QFont &font)
{
    auto *label = new frmLevel10::Label(parent);
    label->setText(text);
    label->setFont(font);
    label->Move(left, top, width, height);
    return label;
}

QFont headingFont()
{
    QFont font = controls::timesNewRoman(18, true);
    font.setItalic(true);
    return font;
}

controls::SSCommand *makeButton(QWidget *parent, const QString &caption, int left,
                                int width = ButtonWidth)
{
    auto *button = new controls::SSCommand(caption, parent);
    button->Move(left, heights().buttonTop, width, ButtonHeight);
    button->setFont(controls::timesNewRoman(12, true));
    button->setForeColor(0xC000C0);
    return button;
}

controls::SSPanel *makePanel(QWidget *parent, int left, int top, int width, int height,
                             quint32 backColor)
{
    auto *panel = new controls::SSPanel(parent);
    panel->setBackColor(backColor);
    panel->Move(left, top, width, height);
    return panel;
}

} // namespace

void frmLevel10::createControls()
{
    setBorderStyle(forms::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setWindowIcon(resources::applicationIcon());
    setBackColor(WindowBackColor);
    setClientSize(ClientWidth, heights().client);

    lblHeading =
        makeLabel(this, QStringLiteral("Spelling Exercise"), 0, 120, 7725, 420, headingFont());
    lblHeading->setAlignment(Qt::AlignCenter);
    controls::setForeColor(*lblHeading, DarkBlue);
    lblTest = makeLabel(this, QString(), 0, 600, 7725, 420, headingFont());
    lblTest->setAlignment(Qt::AlignCenter);
    controls::setForeColor(*lblTest, Blue);
    lblTest->hide();
    lblDisplayText =
        makeLabel(this, QStringLiteral("Click the Sound buttons below to Learn the Words"), 0, 1440,
                  7695, 375, controls::timesNewRoman(15.75, true));
    lblDisplayText->setAlignment(Qt::AlignCenter);

    pnlBlank3 = makePanel(this, 2520, 1200, 2655, 975, 0x404040);
    pnlBlank5 = makePanel(pnlBlank3, 120, 120, 2415, 735, 0xFFFFFF);
    for (std::size_t j = 0; j < Cells; ++j) {
        pnlUser[j] = makePanel(pnlBlank5, 120 + CellStep * int(j), 120, 375, 495, 0xE0E0E0);
        picKey[j] = new spelling::PictureCell(pnlUser[j]);
        picKey[j]->Move(0, 0, 375, 495);
    }
    pnlBlank3->hide();

    createRows();

    cmdExit = makeButton(this, QStringLiteral("&Main Menu"), 1800);
    cmdRepeatWord = makeButton(this, QStringLiteral("&Repeat Word"), 3120);
    cmdRepeatWord->hide();
    cmdStartTest = makeButton(this, QStringLiteral("&Start Test"), 4560);
    cmdNextWord = makeButton(this, QStringLiteral("&Next Word"), 6000);
    cmdNextWord->hide();
    cmdMarkTest = makeButton(this, QStringLiteral("&Mark Test"), 6000);
    cmdMarkTest->hide();
    cmdStartNewTest = makeButton(this, QStringLiteral("Start &New Test"), 4320, 1815);
    cmdStartNewTest->hide();

    LetterSound = new controls::SoundPlayer(this);

    connect(cmdExit, &controls::SSCommand::Click, this, &frmLevel10::cmdExit_Click);
    connect(cmdRepeatWord, &controls::SSCommand::Click, this, &frmLevel10::cmdRepeatWord_Click);
    connect(cmdStartTest, &controls::SSCommand::Click, this, &frmLevel10::cmdStartTest_Click);
    connect(cmdNextWord, &controls::SSCommand::Click, this, &frmLevel10::cmdNextWord_Click);
    connect(cmdMarkTest, &controls::SSCommand::Click, this, &frmLevel10::cmdMarkTest_Click);
    connect(cmdStartNewTest, &controls::SSCommand::Click, this, &frmLevel10::cmdStartNewTest_Click);
    connect(LetterSound, &controls::SoundPlayer::PlayFinished, this,
            &frmLevel10::LetterSound_PlayFinished);
}

void frmLevel10::createRows()
{
    QFont rowFont(QStringLiteral("MS Sans Serif"));
    rowFont.setPointSize(18);
    rowFont.setBold(true);
    const QPixmap speaker(platform::ProgramPath(QStringLiteral("\\pictures\\speaker.png")));

    for (int r = 0; r < StudyWords; ++r) {
        const auto i = std::size_t(r);
        const int top = rowTop(r);
        const int labelLeft = rightColumn(r) ? 4080 : (r == Questions - 1 ? 30 : 240);
        lblWord[i] = makeLabel(this, QStringLiteral("%1.").arg(r + 1), labelLeft, top - BesideRow,
                               780, SpeakerSize, rowFont);
        lblWord[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

        const int cellsLeft = rightColumn(r) ? 4800 : 840;
        for (std::size_t j = 0; j < Cells; ++j) {
            auto *cell = new spelling::PictureCell(this);
            cell->Move(cellsLeft + CellStep * int(j), top, CellSize, CellSize);
            picWord[i][j] = cell;
        }

        const int buttonLeft = rightColumn(r) ? 7080 : 3120;
        auto *button = new PictureButton(this);
        button->Move(buttonLeft, top - BesideRow, SpeakerSize, SpeakerSize);
        button->setIcon(speaker);
        button->setIconSize(
            QSize(platform::toPixels(SpeakerSize) - 8, platform::toPixels(SpeakerSize) - 8));
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, r] { cmdWordSound_Click(r); });
        cmdWordSound[i] = button;

        auto *mark = new Image(this);
        mark->setScaledContents(true);
        mark->Move(buttonLeft, top - BesideRow, MarkSize, MarkSize);
        mark->hide();
        imgMarked[i] = mark;
    }
}
