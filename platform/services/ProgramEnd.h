#pragma once

#include <functional>

namespace services {

// Ends the process at once with exit code 0: buffered output is flushed, and
// no window handler, destructor or event runs after it. The caller has
// already closed what must be closed (the users database).
[[noreturn]] void EndProgram();

// Stands in for the end (tests throw out of the call chain instead). An
// empty handler restores the real end; a handler that returns is followed by
// the real end. Returns the handler it replaced.
using ProgramEndHandler = std::function<void()>;
ProgramEndHandler setProgramEndHandler(ProgramEndHandler handler);

} // namespace services
