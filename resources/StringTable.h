#pragma once

#include <QString>

namespace resources {

// The course's message texts by id, 101 to 115, word for word. An id outside
// the table gives an empty string.
QString LoadResString(int id);

} // namespace resources
