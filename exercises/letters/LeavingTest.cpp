#include "exercises/letters/LeavingTest.h"

#include "platform/services/MessageBox.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/levels/ExerciseForm.h"

namespace exercises::letters {
namespace {

enum class Leaving
{
    Leaves,
    Refused, // the learner answered No
    Held,    // no question, and mblnExit is false
};

Leaving leaving(levels::ExerciseForm &window)
{
    if (window.mblnDoNotDisplayMsgBox)
        return window.mblnExit ? Leaving::Leaves : Leaving::Held;
    const int answer = services::MessageBox(
        &window, resources::LoadResString(resources::str::ExitTestMovesLevel),
        services::MessageBoxStyle::YesNo + services::MessageBoxStyle::Question +
            services::MessageBoxStyle::DefaultButton2);
    return answer == services::MessageBoxAnswer::Yes ? Leaving::Leaves : Leaving::Refused;
}

} // namespace

bool mayLeave(levels::ExerciseForm &window)
{
    return leaving(window) == Leaving::Leaves;
}

void queryUnload(levels::ExerciseForm &window, bool &Cancel)
{
    switch (leaving(window)) {
    case Leaving::Leaves:
        window.Hide();
        break;
    case Leaving::Refused:
        Cancel = true;
        break;
    case Leaving::Held:
        break;
    }
}

} // namespace exercises::letters
