#pragma once

#include <QString>

#include <array>

// What differs between the two listening tests: the letter test of level 9
// (frmLevel9) and the vowel test of level 12 (frmLevel19). Places in twips.
namespace listening {

struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Letter picture t stands in row t / columns, column t % columns, inside
// pnlBlank1; the last row starts at lastRowLeft.
struct LetterGrid
{
    int tiles;
    int columns;
    int frameWidth, frameHeight; // the picture sits at 120, 120 inside
    int left, top, stepX, stepY;
    int lastRowLeft;
};

// The answer cells and the correct row: cell i at Top 120, Left 120 + step * i.
struct CellRow
{
    int step;
    int width, height;
    int firstCorrectWidth; // of the correct row's first picture
};

// Where the rows below the letters stand on a screen of 800 x 600, where the
// designed window is taller than the screen: the letters' panel closes up
// round its pictures and each row follows the one above.
struct CompactPlaces
{
    int pnlBlank1Height;
    int labelTop; // lblTestLetter and lblCorrectOrFailed
    int pnlBlank3Top;
    int text1Top;
    int ssPanel1Top;
};

struct ListeningForm
{
    const char *name;
    const char *heading;
    const char *progressWord; // "Letter n of Q", "Vowel n of Q"
    int questions;            // Q
    // Leaving asks string 112 from the first answer until the test ends,
    // and the way out sets Tag "Exit"; else it sets "Exited" and asks nothing.
    bool asksOnLeaving;
    LetterGrid grid;
    Rect pnlBlank1;
    Rect pnlBlank3, pnlBlank5;
    Rect SSPanel1, SSPanel2;
    CellRow cells;
    Rect cmdUndo;
    int cmdResetLeft;
    int cmdResetTop;
    int lblCorrectOrFailedLeft;
    int cmdBackLeft;
    CompactPlaces compact;
};

extern const std::array<ListeningForm, 2> ListeningForms;

} // namespace listening
