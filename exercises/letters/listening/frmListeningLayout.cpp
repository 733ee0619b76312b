// The listening test window's controls, placed as designed.
#include "exercises/letters/listening/ListeningForms.h"
#include "exercises/letters/listening/frmListening.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/ImageEvents.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "shell/modMain.h"

#include <QCheckBox>
#include <QFontMetricsF>

namespace {

constexpr quint32 WindowBackColor = 0xC0E0FF;
constexpr int ClientWidth = 7755;
constexpr int ClientHeight = 9420;
constexpr int ButtonTop = 8880;
// On a screen of 800 x 600 the buttons stand where the order tests have theirs.
constexpr int CompactButtonTop = 7680;
constexpr int CompactClientHeight = 8175;
constexpr int ButtonWidth = 1575;
constexpr int ButtonHeight = 375;
constexpr int Inset = 120;
constexpr int Text1Top = 6480;
constexpr qreal LabelPoints = 16;
// An answer picture leaves its cell's edge free, so a red cell shows.
constexpr int CellBorder = 45;
constexpr quint32 Blue = 0xFF0000;
constexpr quint32 Red = 0x0000FF;

controls::SSPanel *makePanel(QWidget *parent, const listening::Rect &place, quint32 backColor)
{
    auto *panel = new controls::SSPanel(parent);
    panel->setBackColor(backColor);
    panel->Move(place.left, place.top, place.width, place.height);
    return panel;
}

frmListening::Image *makeImage(QWidget *parent, int left, int top, int width, int height)
{
    auto *image = new frmListening::Image(parent);
    image->setScaledContents(true);
    image->Move(left, top, width, height);
    return image;
}

frmListening::Label *makeLabel(QWidget *parent, const QString &text, int left, int top, int width,
                               quint32 colour)
{
    auto *label = new frmListening::Label(parent);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(controls::timesNewRoman(LabelPoints, true));
    controls::setForeColor(*label, colour);
    label->Move(left, top, width, 420);
    return label;
}

controls::SSCommand *makeButton(QWidget *parent, const QString &caption, int left, int top,
                                int width)
{
    auto *button = new controls::SSCommand(caption, parent);
    button->Move(left, top, width, ButtonHeight);
    button->setFont(controls::timesNewRoman(12, true));
    button->setForeColor(0xC000C0);
    return button;
}

} // namespace

void frmListening::createControls()
{
    setBorderStyle(forms::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(WindowBackColor);
    setClientSize(ClientWidth, ClientHeight);

    lblHeading = makeLabel(this, QString::fromLatin1(m_design.heading), 600, 240, 6525, 0x800000);
    lblHeading->setFont(controls::timesNewRoman(20, true));
    createLetterGrid();

    lblTestLetter = makeLabel(this, QString(), 600, 4680, 6450, Blue);
    lblCorrectOrFailed = makeLabel(
        this, QStringLiteral("Congratulations You Have Successfully Completed This Exercise"),
        m_design.lblCorrectOrFailedLeft, 4680, 6450, Red);
    lblCorrectOrFailed->hide();

    createRows();

    chkRandomOrder = new QCheckBox(QStringLiteral("Randomise"), this);
    chkRandomOrder->setChecked(false);
    chkRandomOrder->hide();

    cmdUndo = makeButton(this, QStringLiteral("&Undo"), m_design.cmdUndo.left, m_design.cmdUndo.top,
                         m_design.cmdUndo.width);
    cmdUndo->hide();
    cmdReset = makeButton(this, QStringLiteral("&Reset"), m_design.cmdResetLeft,
                          m_design.cmdResetTop, ButtonWidth);
    cmdReset->hide();
    cmdBack = makeButton(this, QStringLiteral("&Main Menu"), m_design.cmdBackLeft, ButtonTop,
                         ButtonWidth);
    cmdRepeatLetter = makeButton(this, QStringLiteral("&Start Test"), 4320, ButtonTop, ButtonWidth);

    LetterSound = new controls::SoundPlayer(this);
    LetterSound->setVisible(false);

    connect(cmdBack, &controls::SSCommand::Click, this, &frmListening::cmdBack_Click);
    connect(cmdRepeatLetter, &controls::SSCommand::Click, this,
            &frmListening::cmdRepeatLetter_Click);
    connect(cmdUndo, &controls::SSCommand::Click, this, &frmListening::cmdUndo_Click);
    connect(cmdReset, &controls::SSCommand::Click, this, &frmListening::cmdReset_Click);
    connect(LetterSound, &controls::SoundPlayer::PlayFinished, this,
            &frmListening::LetterSound_PlayFinished);
}

void frmListening::createLetterGrid()
{
    const listening::LetterGrid &grid = m_design.grid;
    pnlBlank1 = makePanel(this, m_design.pnlBlank1, 0x808080);
    const int lastRow = (grid.tiles - 1) / grid.columns;
    for (int t = 0; t < grid.tiles; ++t) {
        const int row = t / grid.columns;
        const int left =
            (row == lastRow ? grid.lastRowLeft : grid.left) + grid.stepX * (t % grid.columns);
        auto *frame = makePanel(
            pnlBlank1, {left, grid.top + grid.stepY * row, grid.frameWidth, grid.frameHeight},
            0xE0E0E0);
        frame->setBevelOuter(1);
        frame->setBevelSecond(2);
        auto *image = makeImage(frame, Inset, Inset, grid.frameWidth - 2 * Inset,
                                grid.frameHeight - 2 * Inset);
        auto *events = new ImageEvents(image);
        connect(events, &ImageEvents::Click, this, [this, t] { ImgLetter_Click(t); });
        pnlLetter.push_back(frame);
        ImgLetter.push_back(image);
    }
    m_tags.assign(std::size_t(grid.tiles), -1);
}

void frmListening::createRows()
{
    const listening::CellRow &cells = m_design.cells;
    pnlBlank3 = makePanel(this, m_design.pnlBlank3, 0x404040);
    pnlBlank3->hide();
    pnlBlank5 = makePanel(pnlBlank3, m_design.pnlBlank5, 0xFFFFFF);
    Text1 = new frmListening::Label(this);
    Text1->setText(QStringLiteral("Correct Order"));
    Text1->setFont(controls::timesNewRoman(20, true));
    controls::setForeColor(*Text1, Red);
    Text1->Move(840, Text1Top, 3375, 615);
    Text1->hide();
    SSPanel1 = makePanel(this, m_design.SSPanel1, 0x404040);
    SSPanel1->hide();
    SSPanel2 = makePanel(SSPanel1, m_design.SSPanel2, 0xFFFFFF);

    for (int i = 0; i < m_design.questions; ++i) {
        const int left = Inset + cells.step * i;
        auto *cell = makePanel(pnlBlank5, {left, Inset, cells.width, cells.height}, 0xFFFFFF);
        pnlUser.push_back(cell);
        picUser.push_back(makeImage(cell, CellBorder, CellBorder, cells.width - 2 * CellBorder,
                                    cells.height - 2 * CellBorder));
        picCorrect.push_back(makeImage(
            SSPanel2, left, Inset, i == 0 ? cells.firstCorrectWidth : cells.width, cells.height));
    }
}

void frmListening::ArrangeFor800x600()
{
    if (modMain::GetScreenResolution() != 1)
        return;
    const listening::CompactPlaces &compact = m_design.compact;
    setClientSize(ClientWidth, CompactClientHeight);
    pnlBlank1->setHeight(compact.pnlBlank1Height);
    lblTestLetter->setTop(compact.labelTop);
    lblCorrectOrFailed->setTop(compact.labelTop);
    pnlBlank3->setTop(compact.pnlBlank3Top);
    Text1->setTop(compact.text1Top);
    SSPanel1->setTop(compact.ssPanel1Top);
    cmdBack->setTop(CompactButtonTop);
    cmdRepeatLetter->setTop(CompactButtonTop);
}

void frmListening::showResult(const QString &text)
{
    QFont font = controls::timesNewRoman(LabelPoints, true);
    while (font.pointSizeF() > 8 &&
           QFontMetricsF(font).horizontalAdvance(text) > lblCorrectOrFailed->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    lblCorrectOrFailed->setFont(font);
    lblCorrectOrFailed->setText(text);
}
