#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/letters/RegisterWindows.h"
#include "shell/startup/RunProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    exercises::letters::registerWindows();
    exercises::keyboard::registerWindows();
    return shell::runProgram(app);
}
