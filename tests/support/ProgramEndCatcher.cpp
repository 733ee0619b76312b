#include "tests/support/ProgramEndCatcher.h"

ProgramEndCatcher::ProgramEndCatcher()
{
    m_previous = services::setProgramEndHandler([this] {
        ++m_count;
        throw ProgramEnded();
    });
}

ProgramEndCatcher::~ProgramEndCatcher()
{
    services::setProgramEndHandler(std::move(m_previous));
}
