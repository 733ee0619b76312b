#include "exercises/keyboard/RegisterWindows.h"

#include "exercises/keyboard/maths/frmLevel20.h"
#include "exercises/keyboard/numbers/frmLevel12.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "shell/levels/ExerciseWindows.h"

#include <memory>

namespace exercises::keyboard {

void registerWindows()
{
    levels::registerWindow(QStringLiteral("frmLevel10"),
                           [] { return std::make_unique<frmLevel10>(); });
    levels::registerWindow(QStringLiteral("frmLevel12"),
                           [] { return std::make_unique<frmLevel12>(); });
    levels::registerWindow(QStringLiteral("frmLevel20"),
                           [] { return std::make_unique<frmLevel20>(); });
}

} // namespace exercises::keyboard
