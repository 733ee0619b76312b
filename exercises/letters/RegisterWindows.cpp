#include "exercises/letters/RegisterWindows.h"

#include "exercises/letters/listening/ListeningForms.h"
#include "exercises/letters/listening/frmListening.h"
#include "exercises/letters/order/OrderTestForms.h"
#include "exercises/letters/order/frmTest.h"
#include "exercises/letters/syllables/frmLevel25.h"
#include "shell/levels/ExerciseWindows.h"

#include <memory>

namespace exercises::letters {

void registerWindows()
{
    for (const order::OrderTestForm &form : order::OrderTestForms) {
        levels::registerWindow(QString::fromLatin1(form.name),
                               [&form] { return std::make_unique<frmTest>(form); });
    }
    for (const listening::ListeningForm &form : listening::ListeningForms) {
        levels::registerWindow(QString::fromLatin1(form.name),
                               [&form] { return std::make_unique<frmListening>(form); });
    }
    levels::registerWindow(QStringLiteral("frmLevel25"),
                           [] { return std::make_unique<frmLevel25>(); });
}

} // namespace exercises::letters
