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
    } catch (const std::exception &error) {
        // Nothing must stop a dialog from going on after its message.
        platform::logCaught(OSTRANA_LOG_CATEGORY, error);
    }
    gErrMsg.clear();
}

QString ErrorReport(const platform::RuntimeError &error, const char *category)
{
    platform::logCaught(category, error);
    return error.report();
}

void ReportBadData(const QString &description, const char *category)
{
    gErrMsg = ErrorReport(platform::RuntimeError(platform::err::InvalidPropertyValue, description),
                          category);
}

} // namespace modErrors
