#include "tests/sound/RealSound.h"
#include "tests/support/UnscriptedServices.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);

    // Outlives the application, so no client of it is left when it ends.
    PulseServer server;
    QApplication app(argc, argv);
    installUnscriptedServices();
    ::testing::InitGoogleTest(&argc, argv);
    // The server starts only when tests run, not when they are listed.
    ::testing::AddGlobalTestEnvironment(new RealSound::Server(server));
    return RUN_ALL_TESTS();
}
