#pragma once

#include "platform/services/MessageBoxStyle.h"

#include <QString>

#include <functional>

class QWidget;

namespace services {

// A modal message box owned by owner (which may be hidden or null), titled
// with the application title, with the buttons, icon and default button of
// style (MessageBoxStyle); returns the pressed button (MessageBoxAnswer).
// 0 is OK alone, 48 OK with the exclamation icon, 64 OK with the information
// icon, 292 Yes/No with the question icon and No as default.
int MessageBox(QWidget *owner, const QString &text, int style);

// Stands in for every box (tests answer them from a script). An empty
// handler restores the real box. Returns the handler it replaced.
using MessageBoxHandler = std::function<int(QWidget *owner, const QString &text, int style)>;
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

} // namespace services
