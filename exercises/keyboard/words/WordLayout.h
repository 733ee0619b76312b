#pragma once

#include "exercises/keyboard/words/PictureCell.h"
#include "platform/core/TwipsGeometry.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <array>
#include <cstddef>

namespace controls {
class SSCommand;
class SSPanel;
} // namespace controls

namespace forms {
class Form;
}

// The design shared by the spelling and numbers windows (twips): twenty rows
// in two columns of ten, each with its label, its cells, a speaker button and
// the place of its mark, and a row of buttons at the bottom.
namespace words {

using Label = platform::TwipsGeometry<QLabel>;
using Image = platform::TwipsGeometry<QLabel>;
using PictureButton = platform::TwipsGeometry<QPushButton>;

constexpr int Rows = 20;
constexpr int RowsPerColumn = 10;
constexpr int ButtonWidth = 1575;

// The fixed dialog, coloured, of the designed width; on a screen too low
// for the designed height (800 x 600) the rows close up and the buttons come
// up under them, so nothing falls below the screen.
constexpr int ClientWidth = 7740;
void setUpWindow(forms::Form &window, int clientWidth = ClientWidth);
int rowTop(int row);
int buttonTop();

Label *makeLabel(QWidget *parent, const QString &text, int left, int top, int width, int height,
                 const QFont &font);
QFont headingFont();
controls::SSCommand *makeButton(QWidget *parent, const QString &caption, int left,
                                int width = ButtonWidth);
controls::SSPanel *makePanel(QWidget *parent, int left, int top, int width, int height,
                             quint32 backColor);

Label *makeRowLabel(QWidget *parent, int row);
PictureCell *makeRowCell(QWidget *parent, int row, int cell);
PictureButton *makeSpeaker(QWidget *parent, int row, int left);
Image *makeMark(QWidget *parent, int row, int left);

// The window's rows; the speaker buttons and marks of the two columns
// stand at speakerLeft[0] and [1], and a speaker calls click(row index).
template <typename Window, typename Click>
void createRows(Window &window, const std::array<int, 2> &speakerLeft, Click click)
{
    for (int r = 0; r < Rows; ++r) {
        const auto i = std::size_t(r);
        window.lblWord[i] = makeRowLabel(&window, r);
        for (std::size_t j = 0; j < window.picWord[i].size(); ++j)
            window.picWord[i][j] = makeRowCell(&window, r, int(j));
        const int left = speakerLeft[r < RowsPerColumn ? 0 : 1];
        window.cmdWordSound[i] = makeSpeaker(&window, r, left);
        QObject::connect(window.cmdWordSound[i], &QPushButton::clicked, &window,
                         [click, r] { click(r); });
        window.imgMarked[i] = makeMark(&window, r, left);
    }
}

// The frame pnlBlank3 at left, holding pnlBlank5 and the typed cells picKey
// in their panels pnlUser; hidden.
template <typename Window> void createTypedCells(Window &window, int left)
{
    constexpr int cells = int(std::tuple_size<decltype(window.picKey)>::value);
    constexpr int inner = 255 + 360 * cells;
    window.pnlBlank3 = makePanel(&window, left, 1200, inner + 240, 975, 0x404040);
    window.pnlBlank5 = makePanel(window.pnlBlank3, 120, 120, inner, 735, 0xFFFFFF);
    for (std::size_t j = 0; j < std::size_t(cells); ++j) {
        window.pnlUser[j] =
            makePanel(window.pnlBlank5, 120 + 360 * int(j), 120, 375, 495, 0xE0E0E0);
        window.picKey[j] = new PictureCell(window.pnlUser[j]);
        window.picKey[j]->Move(0, 0, 375, 495);
    }
    window.pnlBlank3->hide();
}

} // namespace words
