#pragma once

#include "exercises/letters/order/OrderTestForms.h"
#include "shell/levels/RowBuilder.h"

// Builders of the rows of order::OrderTestForms, so that each value of a
// window's design stands by its name. Places are in twips:
// at(left, top).size(width, height) for a control, left(l).width(w) for a
// button in the row of buttons.
namespace order::rows {

struct At
{
    int left;
    int top;

    constexpr Rect size(int width, int height) const { return {left, top, width, height}; }
};

constexpr At at(int left, int top)
{
    return {left, top};
}

struct Left
{
    int left;

    constexpr ButtonPlace width(int width) const { return {left, width}; }
};

constexpr Left left(int left)
{
    return {left};
}

class Grid : public levels::RowBuilder<Grid, TileGrid>
{
public:
    // Of each tile's frame.
    constexpr Grid frameSize(int width, int height) const
    {
        return with(&TileGrid::frameWidth, width).with(&TileGrid::frameHeight, height);
    }
    constexpr Grid columns(int count) const { return with(&TileGrid::columns, count); }
    // Of tile 0's frame, inside the tile block.
    constexpr Grid firstAt(int left, int top) const
    {
        return with(&TileGrid::left, left).with(&TileGrid::top, top);
    }
    constexpr Grid columnStep(int twips) const { return with(&TileGrid::columnStep, twips); }
    constexpr Grid rowStep(int twips) const { return with(&TileGrid::rowStep, twips); }
    constexpr Grid lastRowShift(int twips) const { return with(&TileGrid::lastRowShift, twips); }
    constexpr Grid lastRowRotate(int columns) const
    {
        return with(&TileGrid::lastRowRotate, columns);
    }
};

class Slots : public levels::RowBuilder<Slots, SlotRow>
{
public:
    constexpr Slots perLine(int count) const { return with(&SlotRow::perLine, count); }
    // Of slot 0, inside the row's panel.
    constexpr Slots left(int twips) const { return with(&SlotRow::left, twips); }
    constexpr Slots step(int twips) const { return with(&SlotRow::step, twips); }
    constexpr Slots size(int width, int height) const
    {
        return with(&SlotRow::width, width).with(&SlotRow::height, height);
    }
    constexpr Slots firstWidth(int twips) const { return with(&SlotRow::firstWidth, twips); }
};

// Every control not given keeps its place.
class Places : public levels::RowBuilder<Places, Controls>
{
public:
    constexpr Places pnlBlank1(Rect place) const { return with(&Controls::pnlBlank1, place); }
    constexpr Places pnlBlank3(Rect place) const { return with(&Controls::pnlBlank3, place); }
    constexpr Places pnlBlank2(Rect place) const { return with(&Controls::pnlBlank2, place); }
    constexpr Places TestInstructions(Rect place) const
    {
        return with(&Controls::TestInstructions, place);
    }
    constexpr Places Text1(Rect place) const { return with(&Controls::Text1, place); }
    constexpr Places pnlBlank4(Rect place) const { return with(&Controls::pnlBlank4, place); }
    constexpr Places pnlBlank5(Rect place) const { return with(&Controls::pnlBlank5, place); }
};

class Window : public levels::RowBuilder<Window, OrderTestForm>
{
public:
    // What the windows share: the designed next-level caption and the
    // client width of most of them.
    constexpr Window(const char *name, int tiles)
    {
        m_row.name = name;
        m_row.tiles = tiles;
        m_row.nextLevelCaption = "Next Level";
        m_row.clientWidth = 7665;
    }

    constexpr Window named(const char *name) const { return with(&OrderTestForm::name, name); }
    constexpr Window tiles(int count) const { return with(&OrderTestForm::tiles, count); }
    constexpr Window nextLevelCaption(const char *text) const
    {
        return with(&OrderTestForm::nextLevelCaption, text);
    }
    constexpr Window numberInstructionsAtVowels() const
    {
        return with(&OrderTestForm::numberInstructionsAtVowels, true);
    }
    constexpr Window clientWidth(int twips) const
    {
        return with(&OrderTestForm::clientWidth, twips);
    }
    constexpr Window grid(TileGrid tiles) const { return with(&OrderTestForm::grid, tiles); }
    constexpr Window slotRow(SlotRow row) const { return with(&OrderTestForm::row, row); }
    constexpr Window designed(Controls places) const
    {
        return with(&OrderTestForm::designed, places);
    }
    constexpr Window cmdResetLeft(int twips) const
    {
        return with(&OrderTestForm::cmdResetLeft, twips);
    }
    constexpr Window cmdUndo(ButtonPlace place) const
    {
        return with(&OrderTestForm::cmdUndo, place);
    }
    constexpr Window compact(Controls places) const
    {
        return with(&OrderTestForm::compact, places);
    }
    constexpr Window compactText1Points(int points) const
    {
        return with(&OrderTestForm::compactText1Points, points);
    }
    constexpr Window compactUndo(ButtonPlace place) const
    {
        return with(&OrderTestForm::compactUndo, place);
    }
};

} // namespace order::rows
