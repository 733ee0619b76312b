#include "exercises/letters/order/OrderTestForms.h"

#include "exercises/letters/order/OrderFormRows.h"

namespace order {
namespace {

using rows::at;
using rows::Grid;
using rows::left;
using rows::Places;
using rows::Slots;
using rows::Window;

// The tiles of frmTest8 stand on the window over the tile block as designed;
// here they are placed inside it, at the same spots on screen.
constexpr Window frmTest8()
{
    return Window("frmTest8", 8)
        .grid(Grid()
                  .frameSize(1215, 1575)
                  .columns(4)
                  .firstAt(120, 120)
                  .columnStep(1320)
                  .rowStep(1680))
        .slotRow(Slots().perLine(8).left(240).step(600).size(615, 735))
        .designed(Places()
                      .pnlBlank1(at(1080, 600).size(5415, 3495))
                      .pnlBlank3(at(1080, 4200).size(5415, 1215))
                      .pnlBlank2(at(1200, 4320).size(5175, 975))
                      .TestInstructions(at(1560, 5640).size(255, 375))
                      .Text1(at(1080, 6120).size(3375, 615))
                      .pnlBlank4(at(1080, 6960).size(5415, 1215))
                      .pnlBlank5(at(1200, 7080).size(5175, 975)))
        .cmdResetLeft(3000)
        .cmdUndo(left(5760).width(1575))
        .compact(Places()
                     .Text1(at(1080, 5520).size(3375, 615))
                     .pnlBlank4(at(1080, 6240).size(5415, 1215))
                     .pnlBlank5(at(1200, 6360).size(5175, 975)))
        .compactUndo(left(5760).width(1575));
}

// The tiles of frmTest10 and frmTest12: two rows.
constexpr Grid TwoRows =
    Grid().frameSize(1095, 1335).firstAt(120, 120).columnStep(1200).rowStep(1440);

// frmTest10 and frmTest12 move the same controls to the same places.
constexpr Places twoRowsCompact()
{
    return Places()
        .TestInstructions(at(1560, 5430).size(255, 375))
        .Text1(at(600, 5280).size(3375, 615))
        .pnlBlank4(at(600, 6120).size(6375, 1215))
        .pnlBlank5(at(720, 6240).size(6135, 975));
}
constexpr ButtonPlace TwoRowsCompactUndo = left(5880).width(1455);

constexpr Window frmTest10()
{
    return Window("frmTest10", 10)
        .nextLevelCaption("Next Test")
        .numberInstructionsAtVowels()
        .grid(TwoRows.columns(5).lastRowRotate(1))
        .slotRow(Slots().perLine(10).left(120).step(600).size(615, 735))
        .designed(Places()
                      .pnlBlank1(at(720, 720).size(6135, 3015))
                      .pnlBlank3(at(600, 3960).size(6375, 1215))
                      .pnlBlank2(at(720, 4080).size(6135, 975))
                      .TestInstructions(at(1560, 5400).size(255, 375))
                      .Text1(at(600, 6120).size(3375, 615))
                      .pnlBlank4(at(600, 6960).size(6375, 1215))
                      .pnlBlank5(at(720, 7080).size(6135, 975)))
        .cmdResetLeft(5880)
        .cmdUndo(left(3120).width(1455))
        .compact(twoRowsCompact())
        .compactUndo(TwoRowsCompactUndo);
}

constexpr Window frmTest12()
{
    return Window("frmTest12", 12)
        .numberInstructionsAtVowels()
        .clientWidth(7545)
        .grid(TwoRows.columns(6))
        .slotRow(Slots().perLine(12).left(120).step(480).size(495, 735).firstWidth(500))
        .designed(Places()
                      .pnlBlank1(at(120, 720).size(7335, 3015))
                      .pnlBlank3(at(600, 3960).size(6255, 1215))
                      .pnlBlank2(at(720, 4080).size(6015, 975))
                      .TestInstructions(at(1560, 5400).size(255, 375))
                      .Text1(at(600, 6120).size(3375, 615))
                      .pnlBlank4(at(600, 6960).size(6255, 1215))
                      .pnlBlank5(at(720, 7080).size(6015, 975)))
        .cmdResetLeft(5880)
        .cmdUndo(left(3120).width(1575))
        .compact(twoRowsCompact())
        .compactUndo(TwoRowsCompactUndo);
}

// The tiles of frmTest18, three full rows of six.
constexpr Grid ThreeRows =
    Grid().frameSize(975, 1215).columns(6).firstAt(120, 120).columnStep(1080).rowStep(1320);

constexpr Window frmTest18()
{
    return Window("frmTest18", 18)
        .grid(ThreeRows)
        .slotRow(Slots().perLine(12).left(240).step(480).size(495, 495))
        .designed(Places()
                      .pnlBlank1(at(480, 600).size(6615, 4095))
                      .pnlBlank3(at(480, 4920).size(6615, 1455))
                      .pnlBlank2(at(600, 5040).size(6375, 1215))
                      .TestInstructions(at(1560, 6600).size(255, 375))
                      .Text1(at(480, 6480).size(3375, 615))
                      .pnlBlank4(at(480, 7200).size(6615, 1455))
                      .pnlBlank5(at(600, 7320).size(6375, 1215)))
        .cmdResetLeft(3120)
        .cmdUndo(left(5760).width(1575))
        .compact(Places()
                     .pnlBlank1(at(480, 120).size(6615, 4095))
                     .pnlBlank3(at(480, 4200).size(6615, 1455))
                     .pnlBlank2(at(600, 4320).size(6375, 1215))
                     .TestInstructions(at(1560, 5800).size(255, 375))
                     .Text1(at(480, 5640).size(3950, 420))
                     .pnlBlank4(at(480, 6120).size(6615, 1455))
                     .pnlBlank5(at(600, 6240).size(6375, 1215)))
        .compactText1Points(20)
        .compactUndo(left(5760).width(1575));
}

// frmTest18 with two tiles fewer, its last row of four one column in.
constexpr Window frmTest16()
{
    return frmTest18().named("frmTest16").tiles(16).grid(ThreeRows.lastRowShift(1080));
}

constexpr Window frmTest34()
{
    return Window("frmTest34", 34)
        .clientWidth(7680)
        .grid(Grid()
                  .frameSize(735, 735)
                  .columns(7)
                  .firstAt(120, 120)
                  .columnStep(840)
                  .rowStep(840)
                  .lastRowShift(480))
        .slotRow(Slots().perLine(17).left(120).step(360).size(375, 495))
        .designed(Places()
                      .pnlBlank1(at(960, 600).size(6015, 4335))
                      .pnlBlank3(at(600, 5040).size(6615, 1455))
                      .pnlBlank2(at(720, 5160).size(6375, 1215))
                      .TestInstructions(at(1560, 6720).size(255, 375))
                      .Text1(at(600, 6600).size(3375, 615))
                      .pnlBlank4(at(600, 7320).size(6615, 1455))
                      .pnlBlank5(at(720, 7440).size(6375, 1215)))
        .cmdResetLeft(3120)
        .cmdUndo(left(5760).width(1575))
        // Set down from the title bar as frmTest18's block is: the tiles and
        // the answer row by 120, the correct-order row, closer to the buttons,
        // by 90.
        .compact(Places()
                     .pnlBlank1(at(960, 120).size(6015, 4335))
                     .pnlBlank3(at(600, 4440).size(6615, 1455))
                     .pnlBlank2(at(720, 4560).size(6375, 1215))
                     .TestInstructions(at(1560, 6010).size(255, 375))
                     .Text1(at(600, 5820).size(3375, 420))
                     .pnlBlank4(at(600, 6210).size(6615, 1455))
                     .pnlBlank5(at(720, 6330).size(6375, 1215)))
        .compactText1Points(20)
        .compactUndo(left(5760).width(1575));
}

} // namespace

const std::array<OrderTestForm, 6> OrderTestForms{
    {frmTest8(), frmTest10(), frmTest12(), frmTest16(), frmTest18(), frmTest34()}};

const OrderTestForm *orderTestForm(const QString &name)
{
    for (const OrderTestForm &form : OrderTestForms) {
        if (name == QLatin1String(form.name))
            return &form;
    }
    return nullptr;
}

} // namespace order
