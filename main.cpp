#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/letters/RegisterWindows.h"
#include "shell/startup/RunProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // A logged failure names the layer that caught it.
    qSetMessagePattern(QStringLiteral("%{if-category}%{category}: %{endif}%{message}"));
    QApplication app(argc, argv);
    exercises::letters::registerWindows();
    exercises::keyboard::registerWindows();
    return shell::runProgram(app);
}
