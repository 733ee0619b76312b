#include "tests/support/UnscriptedServices.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests never need a display, and must not touch the user's own files.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);

    // Death tests fork; the threadsafe style re-runs the binary so that the
    // child does not inherit Qt's helper threads half-way.
    GTEST_FLAG_SET(death_test_style, "threadsafe");

    QApplication app(argc, argv);
    // No test may show a real message box or end the process unawares.
    installUnscriptedServices();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
