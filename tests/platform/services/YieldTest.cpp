#include "platform/services/Yield.h"

#include "tests/support/WindowSystemInput.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Notes each press and paint that reaches a widget, in the order they come.
class EventLog final : public QObject
{
public:
    void watch(QWidget &widget, const QString &name)
    {
        widget.setObjectName(name);
        widget.installEventFilter(this);
    }

    QStringList presses;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            presses << watched->objectName();
        else if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(Sleep, KeepsTheLoopRunningAndPaintingAndHoldsInputUntilItEnds)
{
    QWidget window;
    window.resize(200, 100);
    auto *left = new QWidget(&window);
    left->setGeometry(0, 0, 100, 100);
    auto *right = new QWidget(&window);
    right->setGeometry(100, 0, 100, 100);
    window.show();
    EventLog log;
    log.watch(*left, QStringLiteral("left"));
    log.watch(*right, QStringLiteral("right"));
    services::DoEvents();

    QElapsedTimer clock;
    clock.start();
    qint64 timerRanAt = -1;
    int paintsBefore = -1;
    QTimer::singleShot(20, &window, [&] {
        timerRanAt = clock.elapsed();
        paintsBefore = log.paints;
        right->update();
        postClick(*right);
        postClick(*left);
    });
    services::Sleep(150);

    EXPECT_GE(clock.elapsed(), 150);
    EXPECT_GE(timerRanAt, 0) << "no event ran during the pause";
    EXPECT_LT(timerRanAt, 150);
    EXPECT_GT(log.paints, paintsBefore) << "nothing was painted during the pause";
    EXPECT_TRUE(log.presses.isEmpty()) << "input was let in during the pause";

    services::DoEvents();
    EXPECT_EQ(log.presses.join(u' '), "right left");
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
