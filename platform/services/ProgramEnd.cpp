#include "platform/services/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace services {
namespace {

ProgramEndHandler &handler()
{
    static ProgramEndHandler current;
    return current;
}

} // namespace

void EndProgram()
{
    if (handler())
        handler()();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

ProgramEndHandler setProgramEndHandler(ProgramEndHandler replacement)
{
    ProgramEndHandler previous = std::move(handler());
    handler() = std::move(replacement);
    return previous;
}

} // namespace services
