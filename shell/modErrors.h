#pragma once

#include "platform/core/CaughtLog.h"

#include <QString>

class QWidget;

namespace platform {
class RuntimeError;
}

// The pending message: the one place where user messages and error reports
// wait until the login or new-user dialog shows them.
namespace modErrors {

// A newer text replaces an older one.
extern QString gErrMsg;

// Shows gErrMsg (style 48) when it is not empty, then empties it. Any error
// on the way is ignored.
void ShowPendingMessage(QWidget *owner);

// "Error No=<number>\rError Description=<description>", for an error that was
// caught: it is logged in the category of the caller's layer.
QString ErrorReport(const platform::RuntimeError &error,
                    const char *category = OSTRANA_LOG_CATEGORY);

// Leaves the report of level data that reads but cannot serve (a pass mark
// no score can reach, a key that does not exist) pending, numbered as an
// invalid value, with a description that says what is wrong; logged as
// ErrorReport logs.
void ReportBadData(const QString &description, const char *category = OSTRANA_LOG_CATEGORY);

} // namespace modErrors
