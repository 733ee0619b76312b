// The order-test window's controls, placed as designed, and its compact layout.
#include "exercises/letters/order/OrderTestForms.h"
#include "exercises/letters/order/frmTest.h"
#include "platform/controls/AniGif.h"
#include "platform/controls/ImageEvents.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/BgrColor.h"
#include "shell/modMain.h"

namespace {

constexpr quint32 WindowBackColor = 0xC0E0FF;
constexpr int ClientHeight = 9450;
constexpr int ButtonTop = 8880;
constexpr int ButtonHeight = 375;
constexpr int CompactButtonTop = 7680;
constexpr int ImageInset = 120;
constexpr int SecondLineTop = 600;

QFont timesNewRoman(qreal points, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

controls::SSPanel *makePanel(QWidget *parent, quint32 backColor)
{
    auto *panel = new controls::SSPanel(parent);
    panel->setBackColor(backColor);
    return panel;
}

frmTest::Image *makeImage(QWidget *parent, int left, int top, int width, int height)
{
    auto *image = new frmTest::Image(parent);
    image->setScaledContents(true);
    image->Move(left, top, width, height);
    return image;
}

controls::SSCommand *makeButton(QWidget *parent, const QString &caption, int left, int width)
{
    auto *button = new controls::SSCommand(caption, parent);
    button->Move(left, ButtonTop, width, ButtonHeight);
    button->setFont(timesNewRoman(12, true));
    button->setForeColor(0xC000C0);
    return button;
}

template <typename Control> void place(Control &control, const order::Rect &rect)
{
    if (!rect.kept())
        control.Move(rect.left, rect.top, rect.width, rect.height);
}

// Slot i of the answer or correct-order row.
order::Rect slotRect(const order::SlotRow &row, int i)
{
    const int line = i / row.perLine;
    const int column = i % row.perLine;
    const int width = i == 0 && row.firstWidth > 0 ? row.firstWidth : row.width;
    return {row.left + row.step * column, line == 0 ? 120 : SecondLineTop, width, row.height};
}

// Tile t of the grid.
order::Rect tileRect(const order::TileGrid &grid, int tiles, int t)
{
    const int row = t / grid.columns;
    const bool lastRow = row == (tiles - 1) / grid.columns;
    int column = t % grid.columns;
    int shift = 0;
    if (lastRow) {
        column = (column + grid.lastRowRotate) % grid.columns;
        shift = grid.lastRowShift;
    }
    return {grid.left + shift + grid.columnStep * column, grid.top + grid.rowStep * row,
            grid.frameWidth, grid.frameHeight};
}

} // namespace

void frmTest::createControls()
{
    const int n = m_design.tiles;
    setBorderStyle(forms::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(WindowBackColor);
    setClientSize(m_design.clientWidth, ClientHeight);

    pnlBlank1 = makePanel(this, 0x808080);
    for (int i = 0; i < n; ++i) {
        auto *frame = makePanel(pnlBlank1, 0xE0E0E0);
        place(*frame, tileRect(m_design.grid, n, i));
        auto *image = makeImage(frame, ImageInset, ImageInset, frame->Width() - 2 * ImageInset,
                                frame->Height() - 2 * ImageInset);
        auto *events = new ImageEvents(image);
        connect(events, &ImageEvents::Click, this, [this, i] { ImgLetter_Click(i); });
        pnlLetter.push_back(frame);
        ImgLetter.push_back(image);
    }
    m_tags.assign(std::size_t(n), 0);
    m_tileEnabled.assign(std::size_t(n), true);

    AnimCongrat = new controls::AniGif(this);
    AnimCongrat->setAutoPlay(false);
    AnimCongrat->hide();

    pnlBlank3 = makePanel(this, 0x404040);
    pnlBlank2 = makePanel(this, 0xFFFFFF);
    for (int i = 0; i < n; ++i) {
        const order::Rect slot = slotRect(m_design.row, i);
        PicResult.push_back(makeImage(pnlBlank2, slot.left, slot.top, slot.width, slot.height));
    }

    Text1 = new frmTest::Label(this);
    Text1->setText(QStringLiteral("Correct Order"));
    Text1->setFont(timesNewRoman(27.75, true, true));
    QPalette colours = Text1->palette();
    colours.setColor(QPalette::WindowText, platform::fromBgr(0xC0));
    Text1->setPalette(colours);
    Text1->hide();

    pnlBlank4 = makePanel(this, 0x404040);
    pnlBlank4->hide();
    pnlBlank5 = makePanel(this, 0xFFFFFF);
    pnlBlank5->hide();
    for (int i = 0; i < n; ++i) {
        const order::Rect slot = slotRect(m_design.row, i);
        PicOrder.push_back(makeImage(pnlBlank5, slot.left, slot.top, slot.width, slot.height));
    }

    TestInstructions = new controls::AniGif(this);
    TestInstructions->setAutoPlay(true);

    ApplauseSound = new controls::SoundPlayer(this);
    ApplauseSound->setVisible(false);

    cmdExit = makeButton(this, QStringLiteral("&Main Screen"), 240, 1455);
    cmdReset = makeButton(this, QStringLiteral("&Reset"), m_design.cmdResetLeft, 1455);
    cmdUndo =
        makeButton(this, QStringLiteral("&Undo"), m_design.cmdUndo.left, m_design.cmdUndo.width);
    cmdUndo->hide();
    cmdNextLevel = makeButton(this, QString::fromLatin1(m_design.nextLevelCaption), 5880, 1455);
    cmdNextLevel->hide();

    placeControls(m_design.designed);
    // The panels of the correct-order row stand below the answer row's frame,
    // the congratulation over the tiles.
    pnlBlank2->raise();
    pnlBlank5->raise();
    AnimCongrat->raise();

    connect(cmdExit, &controls::SSCommand::Click, this, &frmTest::cmdExit_Click);
    connect(cmdReset, &controls::SSCommand::Click, this, &frmTest::cmdReset_Click);
    connect(cmdUndo, &controls::SSCommand::Click, this, &frmTest::cmdUndo_Click);
    connect(cmdNextLevel, &controls::SSCommand::Click, this, &frmTest::cmdNextLevel_Click);
}

namespace {

constexpr int InstructionStripWidth = 4815;
constexpr int InstructionStripHeight = 255;

} // namespace

void frmTest::placeControls(const order::Controls &places)
{
    place(*pnlBlank1, places.pnlBlank1);
    place(*AnimCongrat, places.pnlBlank1);
    place(*pnlBlank3, places.pnlBlank3);
    place(*pnlBlank2, places.pnlBlank2);
    place(*TestInstructions, places.TestInstructions);
    // The instruction is a strip like the lesson's: at the designed 255 x 375
    // it would show a sliver of it.
    TestInstructions->setWidth(InstructionStripWidth);
    TestInstructions->setHeight(InstructionStripHeight);
    place(*Text1, places.Text1);
    place(*pnlBlank4, places.pnlBlank4);
    place(*pnlBlank5, places.pnlBlank5);
}

void frmTest::ArrangeFor800x600()
{
    if (modMain::GetScreenResolution() != 1)
        return;
    setWidth(7770);
    setHeight(8550);
    cmdExit->Move(240, CompactButtonTop, 1455, ButtonHeight);
    cmdReset->Move(3000, CompactButtonTop, 1455, ButtonHeight);
    cmdNextLevel->Move(5880, CompactButtonTop, 1455, ButtonHeight);
    // The designed place of Undo lies below the shortened window; it moves
    // up beside Reset, where the next-level button (never shown with it)
    // stands or next to it.
    cmdUndo->Move(m_design.compactUndo.left, CompactButtonTop, m_design.compactUndo.width,
                  ButtonHeight);
    placeControls(m_design.compact);
    if (m_design.compactText1Points > 0) {
        QFont font = Text1->font();
        font.setPointSizeF(m_design.compactText1Points);
        Text1->setFont(font);
    }
}
