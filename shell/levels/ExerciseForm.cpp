#include "shell/levels/ExerciseForm.h"

#include "shell/modMain.h"

#include <algorithm>

namespace levels {

const LevelRow &ExerciseForm::servedLevel() const
{
    if (levelRow != nullptr)
        return *levelRow;
    const int level = modMain::GetUserLevel(modMain::gUserName, false);
    return *row(std::clamp(level, 1, LevelCount));
}

} // namespace levels
