#include "shell/startup/RunProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return shell::runProgram(app);
}
