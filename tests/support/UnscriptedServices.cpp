#include "tests/support/UnscriptedServices.h"

#include "platform/services/MessageBox.h"
#include "platform/services/ProgramEnd.h"
#include "tests/support/ProgramEnded.h"

#include <gtest/gtest.h>

void installUnscriptedServices()
{
    services::setMessageBoxHandler([](QWidget *, const QString &text, int style) {
        const int answer = services::defaultAnswer(style);
        ADD_FAILURE() << "A message box came without a MessageBoxScript: \"" << text.toStdString()
                      << "\" with style " << style;
        return answer;
    });
    services::setProgramEndHandler([] {
        ADD_FAILURE() << "The program ended without a ProgramEndCatcher";
        throw ProgramEnded();
    });
}
