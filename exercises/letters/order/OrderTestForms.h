#pragma once

#include <QString>

#include <array>

// What differs between the six order-test windows: the tile count, the
// next-level button's designed caption, the instruction animation, and the
// places of the controls (twips) as designed and in the 800 x 600 layout.
namespace order {

struct Rect
{
    int left = -1; // -1: the place stays as designed
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr bool kept() const { return left < 0; }
};

// Tile t stands in row t / columns, column t % columns; the last row may be
// shifted right by lastRowShift twips, and its tiles rotated by lastRowRotate
// columns (so that its last tile comes first).
struct TileGrid
{
    Rect frame; // of a tile's frame; its image sits at 120, 120 inside
    int columns;
    int left, top; // of tile 0, inside the tile block
    int stepX, stepY;
    int lastRowShift;
    int lastRowRotate;
};

// The answer and the correct-order rows share this: perLine slots a line,
// lines at Top 120 and 600.
struct SlotRow
{
    int perLine;
    int left, step;
    int width, height;
    int firstWidth; // slot 0's width
};

struct Controls
{
    Rect pnlBlank1; // and AnimCongrat
    Rect pnlBlank3;
    Rect pnlBlank2;
    Rect TestInstructions;
    Rect Text1;
    Rect pnlBlank4;
    Rect pnlBlank5;
};

struct OrderTestForm
{
    const char *name;
    int tiles;
    const char *nextLevelCaption;
    // The instruction animation is the numbers' one at level 11.
    bool numberInstructionsAtVowels;
    int clientWidth;
    TileGrid grid;
    SlotRow row;
    Controls designed;
    int cmdResetLeft;
    Rect cmdUndo;
    Controls compact;       // kept places where nothing moves
    int compactText1Points; // 0: the designed size stays
    Rect compactUndo;
};

extern const std::array<OrderTestForm, 6> OrderTestForms;

// nullptr for any other name.
const OrderTestForm *orderTestForm(const QString &name);

} // namespace order
