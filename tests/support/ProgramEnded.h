#pragma once

#include <exception>

// Thrown out of the synchronous call chain where the program would have
// ended (see ProgramEndCatcher). Never let it cross a nested event loop:
// tests end the program from code they call, not from a modal window's
// event handler.
class ProgramEnded final : public std::exception
{
public:
    const char *what() const noexcept override { return "the program ended"; }
};
