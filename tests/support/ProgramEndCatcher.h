#pragma once

#include "platform/services/ProgramEnd.h"
#include "tests/support/ProgramEnded.h"

#include <QtGlobal>

// While it lives, ending the program throws ProgramEnded instead, and is
// counted. Restores the end it replaced.
class ProgramEndCatcher final
{
public:
    ProgramEndCatcher();
    ~ProgramEndCatcher();
    Q_DISABLE_COPY_MOVE(ProgramEndCatcher)

    int count() const { return m_count; }
    bool ended() const { return m_count > 0; }

private:
    int m_count = 0;
    services::ProgramEndHandler m_previous;
};
