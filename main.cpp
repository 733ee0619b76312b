#include "exercises/letters/RegisterWindows.h"
#include "shell/RunProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    exercises::letters::registerWindows();
    return shell::runProgram(app);
}
