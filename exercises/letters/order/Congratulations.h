#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

// The congratulation animation over an order test's tile block. The block
// has another shape in each window, so the program folder holds one
// animation drawn for each shape beside the one the engine names.
namespace order {

// The stored path of the animation drawn for a block of `pixels`:
// "\test\congratulations-361x233.gif".
QString congratulationsFor(QSize pixels);

// Where the words stand in the animation for a block of `pixels`: across its
// upper part. The pass message opens centred on the window while the
// animation plays, and covers the block from a little below its middle down.
QRect congratulationWords(QSize pixels);

// The tile blocks of the six windows in pixels, each shape once, frmTest8's
// first.
std::vector<QSize> tileBlockShapes();

} // namespace order
