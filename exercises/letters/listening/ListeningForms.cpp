#include "exercises/letters/listening/ListeningForms.h"

#include "shell/levels/RowBuilder.h"

// Each value of a window's design stands by its name: places in twips as
// at(left, top).size(width, height), the rest by the builders' setters.
namespace listening {
namespace {

// A control's corner; size() completes its place.
struct Corner
{
    int left;
    int top;
    constexpr Rect size(int width, int height) const { return {left, top, width, height}; }
};

constexpr Corner at(int left, int top)
{
    return {left, top};
}

class Grid final : public levels::RowBuilder<Grid, LetterGrid>
{
public:
    explicit constexpr Grid(int tiles) { m_row.tiles = tiles; }
    constexpr Grid columns(int count) const { return with(&LetterGrid::columns, count); }
    constexpr Grid frames(int width, int height) const
    {
        return with(&LetterGrid::frameWidth, width).with(&LetterGrid::frameHeight, height);
    }
    // The first frame's corner inside pnlBlank1.
    constexpr Grid from(int left, int top) const
    {
        return with(&LetterGrid::left, left).with(&LetterGrid::top, top);
    }
    constexpr Grid steps(int x, int y) const
    {
        return with(&LetterGrid::stepX, x).with(&LetterGrid::stepY, y);
    }
    constexpr Grid lastRowFrom(int left) const { return with(&LetterGrid::lastRowLeft, left); }
};

class Cells final : public levels::RowBuilder<Cells, CellRow>
{
public:
    constexpr Cells size(int width, int height) const
    {
        return with(&CellRow::width, width).with(&CellRow::height, height);
    }
    constexpr Cells step(int x) const { return with(&CellRow::step, x); }
    constexpr Cells firstCorrectWidth(int width) const
    {
        return with(&CellRow::firstCorrectWidth, width);
    }
};

class Compact final : public levels::RowBuilder<Compact, CompactPlaces>
{
public:
    constexpr Compact pnlBlank1Height(int height) const
    {
        return with(&CompactPlaces::pnlBlank1Height, height);
    }
    constexpr Compact labelTop(int top) const { return with(&CompactPlaces::labelTop, top); }
    constexpr Compact pnlBlank3Top(int top) const
    {
        return with(&CompactPlaces::pnlBlank3Top, top);
    }
    constexpr Compact text1Top(int top) const { return with(&CompactPlaces::text1Top, top); }
    constexpr Compact ssPanel1Top(int top) const { return with(&CompactPlaces::ssPanel1Top, top); }
};

class Design final : public levels::RowBuilder<Design, ListeningForm>
{
public:
    constexpr Design(const char *name, const char *heading)
    {
        m_row.name = name;
        m_row.heading = heading;
    }
    constexpr Design progress(const char *word, int questions) const
    {
        return with(&ListeningForm::progressWord, word).with(&ListeningForm::questions, questions);
    }
    constexpr Design asksOnLeaving() const { return with(&ListeningForm::asksOnLeaving, true); }
    constexpr Design letters(LetterGrid grid) const { return with(&ListeningForm::grid, grid); }
    constexpr Design pnlBlank1(Rect place) const { return with(&ListeningForm::pnlBlank1, place); }
    constexpr Design pnlBlank3(Rect place) const { return with(&ListeningForm::pnlBlank3, place); }
    constexpr Design pnlBlank5(Rect place) const { return with(&ListeningForm::pnlBlank5, place); }
    constexpr Design SSPanel1(Rect place) const { return with(&ListeningForm::SSPanel1, place); }
    constexpr Design SSPanel2(Rect place) const { return with(&ListeningForm::SSPanel2, place); }
    constexpr Design cells(CellRow row) const { return with(&ListeningForm::cells, row); }
    constexpr Design cmdUndo(Rect place) const { return with(&ListeningForm::cmdUndo, place); }
    constexpr Design cmdReset(Corner corner) const
    {
        return with(&ListeningForm::cmdResetLeft, corner.left)
            .with(&ListeningForm::cmdResetTop, corner.top);
    }
    constexpr Design lblCorrectOrFailedLeft(int left) const
    {
        return with(&ListeningForm::lblCorrectOrFailedLeft, left);
    }
    constexpr Design cmdBackLeft(int left) const { return with(&ListeningForm::cmdBackLeft, left); }
    constexpr Design compact(CompactPlaces places) const
    {
        return with(&ListeningForm::compact, places);
    }
};

} // namespace

const std::array<ListeningForm, 2> ListeningForms{{
    Design("frmLevel9", "Listening Exercise")
        .progress("Letter", 15)
        .letters(
            Grid(34).columns(10).frames(615, 735).from(120, 240).steps(720, 840).lastRowFrom(2280))
        .pnlBlank1(at(200, 840).size(7335, 3735))
        .pnlBlank3(at(840, 5280).size(5895, 975))
        .pnlBlank5(at(120, 120).size(5655, 735))
        .SSPanel1(at(840, 7200).size(5895, 975))
        .SSPanel2(at(120, 120).size(5655, 735))
        .cells(Cells().size(375, 495).step(360).firstCorrectWidth(375))
        .cmdUndo(at(360, 3840).size(1935, 375))
        .cmdReset(at(2520, 3840))
        .lblCorrectOrFailedLeft(600)
        .cmdBackLeft(1920)
        .compact(Compact()
                     .pnlBlank1Height(3615)
                     .labelTop(4500)
                     .pnlBlank3Top(4980)
                     .text1Top(5955)
                     .ssPanel1Top(6570)),
    Design("frmLevel19", "Listening Vowles Exercise")
        .progress("Vowel", 12)
        .asksOnLeaving()
        .letters(Grid(12)
                     .columns(6)
                     .frames(1095, 1335)
                     .from(120, 120)
                     .steps(1200, 1440)
                     .lastRowFrom(120))
        .pnlBlank1(at(240, 840).size(7335, 3735))
        .pnlBlank3(at(720, 5160).size(6255, 1215))
        .pnlBlank5(at(120, 120).size(6015, 975))
        .SSPanel1(at(720, 7080).size(6255, 1215))
        .SSPanel2(at(120, 120).size(6015, 975))
        .cells(Cells().size(495, 735).step(480).firstCorrectWidth(500))
        .cmdUndo(at(840, 3960).size(1575, 375))
        .cmdReset(at(6000, 3960))
        .lblCorrectOrFailedLeft(720)
        .cmdBackLeft(1560)
        .compact(Compact()
                     .pnlBlank1Height(3135)
                     .labelTop(4080)
                     .pnlBlank3Top(4560)
                     .text1Top(5775)
                     .ssPanel1Top(6390)),
}};

} // namespace listening
