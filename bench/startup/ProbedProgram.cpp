// The program as its main runs it, with the start-up probe installed:
//   ostrana_probed splash
//   ostrana_probed login
//   ostrana_probed main USER PASSWORD
// It belongs to the start-up benchmark alone; the learner's program has no probe.

#include "bench/startup/FirstPaintProbe.h"
#include "bench/startup/StartupProbe.h"
#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/letters/RegisterWindows.h"
#include "shell/startup/RunProgram.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    exercises::letters::registerWindows();
    exercises::keyboard::registerWindows();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 2 && arguments.at(1) == QLatin1String("splash")) {
        FirstPaintProbe::install(QStringLiteral("frmSplash"), "splash-shown");
    } else if (arguments.size() == 2 && arguments.at(1) == QLatin1String("login")) {
        FirstPaintProbe::install(QStringLiteral("frmLogin"), "login-shown");
    } else if (arguments.size() == 4 && arguments.at(1) == QLatin1String("main")) {
        StartupProbe::install(arguments.at(2), arguments.at(3));
    } else {
        std::fputs("usage: ostrana_probed splash | login | main USER PASSWORD\n", stderr);
        return 64;
    }
    return shell::runProgram(app);
}
