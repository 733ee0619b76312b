#include "platform/core/CaughtLog.h"
#include "platform/forms/ScreenResolution.h"
#include "platform/services/MessageBox.h"
#include "shell/modMain.h"

#include <exception>

namespace modMain {

QString FormatMessage(const QString &templateText, const QStringList &arguments)
{
    static const QString placeholder = QStringLiteral("%s");
    QString working = templateText;
    for (const QString &argument : arguments) {
        // From the first character every time: a "%s" that an argument
        // brought in is filled by the next one.
        const qsizetype at = working.indexOf(placeholder, 0, Qt::CaseSensitive);
        if (at < 0)
            break;
        working.replace(at, placeholder.size(), argument);
    }
    return working;
}

void ShowMessageBox(QWidget *owner, const QString &text, int style)
{
    services::MessageBox(owner, text, style);
}

int GetScreenResolution()
{
    constexpr int OtherSize = 6;
    try {
        return forms::GetScreenResolution();
    } catch (const std::exception &error) {
        platform::logCaught(OSTRANA_LOG_CATEGORY, error);
        return OtherSize;
    }
}

} // namespace modMain
