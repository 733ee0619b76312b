#include "shell/modErrors.h"

#include "platform/core/RuntimeError.h"
#include "shell/modMain.h"

#include <exception>

namespace modErrors {

QString gErrMsg;

void ShowPendingMessage(QWidget *owner)
{
    try {
        if (!gErrMsg.isEmpty()) {
            modMain::ShowMessageBox(owner, gErrMsg, 48);
        }
    } catch (const std::exception &) {
        // Nothing must stop a dialog from going on after its message.
    }
    gErrMsg.clear();
}

QString ErrorReport(const platform::RuntimeError &error)
{
    return error.report();
}

void ReportBadData(const QString &description)
{
    gErrMsg = ErrorReport(platform::RuntimeError(platform::err::InvalidPropertyValue, description));
}

} // namespace modErrors
