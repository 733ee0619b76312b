#pragma once

#include <QIcon>
#include <QPixmap>

namespace resources {

// The answer marks of the tests.
constexpr int TickIcon = 101;
constexpr int CrossIcon = 102;

// The tick (101) or cross (102) picture; a null pixmap for any other id.
QPixmap LoadResPicture(int id);

// The icon of every window of the program.
QIcon applicationIcon();

} // namespace resources
