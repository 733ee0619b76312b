#include "platform/services/StandardMessageBox.h"

#include "platform/services/AppTitle.h"
#include "platform/services/MessageBoxStyle.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace services {
namespace {

QMessageBox::StandardButton buttonFor(int answer)
{
    switch (answer) {
    case MessageBoxAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageBoxAnswer::Abort:
        return QMessageBox::Abort;
    case MessageBoxAnswer::Retry:
        return QMessageBox::Retry;
    case MessageBoxAnswer::Ignore:
        return QMessageBox::Ignore;
    case MessageBoxAnswer::Yes:
        return QMessageBox::Yes;
    case MessageBoxAnswer::No:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (iconOf(style)) {
    case MessageBoxStyle::Critical:
        return QMessageBox::Critical;
    case MessageBoxStyle::Question:
        return QMessageBox::Question;
    case MessageBoxStyle::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

int showStandardMessageBox(QWidget *owner, const QString &text, int style)
{
    const QList<int> answers = answersFor(style);
    QMessageBox box(owner);
    box.setWindowTitle(AppTitle());
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setIcon(iconFor(style));
    for (int answer : answers)
        box.addButton(buttonFor(answer));
    box.setDefaultButton(buttonFor(defaultAnswer(style)));
    const int escape = escapeAnswer(style);
    box.setEscapeButton(buttonFor(escape));
    box.exec();

    const QAbstractButton *pressed = box.clickedButton();
    for (int answer : answers) {
        if (pressed != nullptr && pressed == box.button(buttonFor(answer)))
            return answer;
    }
    // Hidden without a press (the program is ending, or a test gave up).
    return escape;
}

} // namespace services
