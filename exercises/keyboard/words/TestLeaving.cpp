#include "exercises/keyboard/words/TestLeaving.h"

#include "platform/services/MessageBox.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/levels/ExerciseForm.h"

namespace words {
namespace {

bool confirmLeaving(levels::ExerciseForm &window)
{
    return services::MessageBox(
               &window, resources::LoadResString(resources::str::ExitTestFails),
               services::MessageBoxStyle::YesNo + services::MessageBoxStyle::Question +
                   services::MessageBoxStyle::DefaultButton2) == services::MessageBoxAnswer::Yes;
}

} // namespace

QString progressLine(int question, int questions)
{
    return QStringLiteral("Test for Number ") + QString::number(question) + QStringLiteral(" of ") +
           QString::number(questions);
}

bool mayLeave(levels::ExerciseForm &window)
{
    if (window.mblnDoNotDisplayMsgBox)
        return window.mblnExit;
    if (!confirmLeaving(window))
        return false;
    window.mblnDoNotDisplayMsgBox = true;
    return true;
}

bool refuseClosing(levels::ExerciseForm &window)
{
    return !window.mblnDoNotDisplayMsgBox && !confirmLeaving(window);
}

} // namespace words
