#pragma once

#include <QString>

class QWidget;

namespace services {

// The real box on Qt, whatever handler is installed: what MessageBox shows
// when no test stands in for it. The text is plain; a carriage return alone
// breaks the line, as the course's error reports expect.
int showStandardMessageBox(QWidget *owner, const QString &text, int style);

} // namespace services
