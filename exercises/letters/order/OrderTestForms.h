#pragma once

#include <QString>

#include <array>

// What differs between the six order-test windows: the tile count, the
// next-level button's designed caption, the instruction animation, and the
// places of the controls as designed and in the 800 x 600 layout. Places
// are in twips.
namespace order {

struct Rect
{
    int left = -1; // -1: the place stays as designed
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr bool kept() const { return left < 0; }
};

// A button in the row of buttons, which has one Top and is 375 high.
struct ButtonPlace
{
    int left = 0;
    int width = 0;
};

// Tile t stands in row t / columns, column t % columns; the last row may be
// shifted right by lastRowShift, and its tiles rotated by lastRowRotate
// columns (so that its last tile comes first).
struct TileGrid
{
    int frameWidth = 0;  // of a tile's frame (pnlLetter); its image sits 120 inside it
    int frameHeight = 0; // of a tile's frame
    int columns = 1;     // tiles a row
    int left = 0;        // of tile 0's frame, inside the tile block
    int top = 0;         // of tile 0's frame, inside the tile block
    int columnStep = 0;  // from a tile to the next in its row
    int rowStep = 0;     // from a row of tiles to the next
    int lastRowShift = 0;
    int lastRowRotate = 0;
};

// The answer and the correct-order rows share this: perLine slots a line,
// lines at Top 120 and 600 inside the row's panel.
struct SlotRow
{
    int perLine = 0;    // slots a line
    int left = 0;       // of slot 0
    int step = 0;       // from a slot to the next in its line
    int width = 0;      // of a slot's image
    int height = 0;     // of a slot's image
    int firstWidth = 0; // slot 0's width; 0: as wide as the others
};

// Where the controls around the tiles stand.
struct Controls
{
    Rect pnlBlank1;        // the tile block, and AnimCongrat over it
    Rect pnlBlank3;        // the answer row's frame
    Rect pnlBlank2;        // the answer row's panel, in the frame
    Rect TestInstructions; // the instruction animation; its size is the strip's
    Rect Text1;            // the caption "Correct Order"
    Rect pnlBlank4;        // the correct-order row's frame
    Rect pnlBlank5;        // the correct-order row's panel, in the frame
};

struct OrderTestForm
{
    const char *name = nullptr;             // the form name
    int tiles = 0;                          // letters dealt, one a tile
    const char *nextLevelCaption = nullptr; // cmdNextLevel's, as designed
    // The instruction animation is the numbers' one at level 11.
    bool numberInstructionsAtVowels = false;
    int clientWidth = 0;  // the client area's; its height is the same in every window
    TileGrid grid;        // the tiles in the tile block
    SlotRow row;          // the slots of the answer and the correct-order rows
    Controls designed;    // the controls' places as designed
    int cmdResetLeft = 0; // cmdReset, as wide as cmdExit and cmdNextLevel
    ButtonPlace cmdUndo;
    // On an 800 x 600 screen, the window shortened: what moves, and where.
    // Kept places stay as designed.
    Controls compact;
    int compactText1Points = 0; // Text1's font size; 0: the designed size stays
    ButtonPlace compactUndo;    // cmdUndo in the moved-up row of buttons
};

extern const std::array<OrderTestForm, 6> OrderTestForms;

// nullptr for any other name.
const OrderTestForm *orderTestForm(const QString &name);

} // namespace order
