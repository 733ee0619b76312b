#include "exercises/keyboard/words/WordLayout.h"

#include "platform/controls/FormBuilding.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/core/Paths.h"
#include "platform/core/Twips.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "resources/Icons.h"

#include <QPixmap>

namespace words {
namespace {

constexpr quint32 WindowBackColor = 0xC0E0FF;
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
constexpr int ButtonHeight = 375;
constexpr int CellSize = 375;
constexpr int CellStep = 360;
constexpr int RowTop = 2400;
// The row labels and the speaker buttons stand a little higher than the
// cells, centred on them.
constexpr int BesideRow = 60;
constexpr int SpeakerSize = 495;
constexpr int MarkSize = 480;

const Heights &heights()
{
    return forms::Screen::Height() < Designed.client + AroundWindow ? Compact : Designed;
}

bool rightColumn(int row)
{
    return row >= RowsPerColumn;
}

} // namespace

void setUpWindow(forms::Form &window, int clientWidth)
{
    window.setBorderStyle(forms::FixedDialog);
    window.setMinButton(false);
    window.setMaxButton(false);
    window.setWindowIcon(resources::applicationIcon());
    window.setBackColor(WindowBackColor);
    window.setClientSize(clientWidth, heights().client);
}

int rowTop(int row)
{
    return RowTop + heights().rowStep * (row % RowsPerColumn);
}

int buttonTop()
{
    return heights().buttonTop;
}

Label *makeLabel(QWidget *parent, const QString &text, int left, int top, int width, int height,
                 const QFont &font)
{
    auto *label = new Label(parent);
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

controls::SSCommand *makeButton(QWidget *parent, const QString &caption, int left, int width)
{
    auto *button = new controls::SSCommand(caption, parent);
    button->Move(left, buttonTop(), width, ButtonHeight);
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

Label *makeRowLabel(QWidget *parent, int row)
{
    QFont rowFont(QStringLiteral("MS Sans Serif"));
    rowFont.setPointSize(18);
    rowFont.setBold(true);
    const int left = rightColumn(row) ? 4080 : (row == RowsPerColumn - 1 ? 30 : 240);
    Label *label = makeLabel(parent, QStringLiteral("%1.").arg(row + 1), left,
                             rowTop(row) - BesideRow, 780, SpeakerSize, rowFont);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

PictureCell *makeRowCell(QWidget *parent, int row, int cell)
{
    auto *picture = new PictureCell(parent);
    picture->Move((rightColumn(row) ? 4800 : 840) + CellStep * cell, rowTop(row), CellSize,
                  CellSize);
    return picture;
}

PictureButton *makeSpeaker(QWidget *parent, int row, int left)
{
    const QPixmap speaker(platform::ProgramPath(QStringLiteral("\\pictures\\speaker.png")));
    auto *button = new PictureButton(parent);
    button->Move(left, rowTop(row) - BesideRow, SpeakerSize, SpeakerSize);
    button->setIcon(speaker);
    const int side = platform::toPixels(SpeakerSize) - 8;
    button->setIconSize(QSize(side, side));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

Image *makeMark(QWidget *parent, int row, int left)
{
    auto *mark = new Image(parent);
    mark->setScaledContents(true);
    mark->Move(left, rowTop(row) - BesideRow, MarkSize, MarkSize);
    mark->hide();
    return mark;
}

} // namespace words
