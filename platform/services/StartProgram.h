#pragma once

#include <QString>

namespace services {

// Starts the program at path (no arguments) as a process of its own that
// outlives this one. False when it cannot be started: an empty path, a file
// that does not exist or cannot be run.
[[nodiscard]] bool StartProgram(const QString &path);

} // namespace services
