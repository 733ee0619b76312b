#include "platform/services/Yield.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(Sleep, BlocksAtLeastTheGivenTimeAndRunsNoEventMeanwhile)
{
    QObject context;
    bool ran = false;
    QTimer::singleShot(0, &context, [&ran] { ran = true; });

    QElapsedTimer clock;
    clock.start();
    services::Sleep(60);
    EXPECT_GE(clock.elapsed(), 60);
    EXPECT_FALSE(ran); // the waiting event runs only when the loop is let in

    services::DoEvents();
    EXPECT_TRUE(ran);
}

TEST(Sleep, NothingOrLessThanNothingReturnsAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    services::Sleep(0);
    services::Sleep(-500);
    EXPECT_LT(clock.elapsed(), 400); // loose: only that it did not sleep the negative away
}

TEST(DoEvents, RunsTheEventsThatAreWaiting)
{
    QObject context;
    int calls = 0;
    QMetaObject::invokeMethod(
        &context, [&calls] { ++calls; }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        &context, [&calls] { ++calls; }, Qt::QueuedConnection);
    EXPECT_EQ(calls, 0);
    services::DoEvents();
    EXPECT_EQ(calls, 2);
}

} // namespace
