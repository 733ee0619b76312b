// The outer size and centre of a form hold once the window system reports
// its frame, and the main window is a window of its own.
#include "platform/forms/CenterForm.h"
#include "tests/platform/forms/SampleForm.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// The offscreen platform reports a frame from the first show on.
QSize shownFrame(SampleForm &form)
{
    form.Show();
    QApplication::processEvents();
    return form.frameGeometry().size() - form.size();
}

TEST(FormFrame, AnOuterSizeAskedBeforeTheFrameIsKnownHoldsOnceItIs)
{
    ScreenSizeDouble screen(800, 600);
    SampleForm form;
    form.setBorderStyle(forms::FixedSingle);
    form.setWidth(7770);
    form.setHeight(8550);
    forms::CenterForm(form);
    ASSERT_EQ(form.frameGeometry().size(), form.size()) << "no frame before the first show";

    const QSize frame = shownFrame(form);
    ASSERT_FALSE(frame.isEmpty());
    EXPECT_EQ(form.Width(), 7770);
    EXPECT_EQ(form.Height(), 8550);
    EXPECT_EQ(form.size(), QSize(518, 570) - frame);
    // Centred again with the frame.
    EXPECT_EQ(form.frameGeometry(), QRect(141, 15, 518, 570));
    form.Unload();
}

TEST(FormFrame, OneSideAskedKeepsTheOtherSidesClientSize)
{
    SampleForm form; // client 300 x 120
    form.setHeight(8550);
    const QSize frame = shownFrame(form);
    EXPECT_EQ(form.size(), QSize(300, 570 - frame.height()));
    form.Unload();
}

TEST(FormFrame, AClientSizeOrAPlaceThatTheProgramSetsReplacesWhatWasKept)
{
    ScreenSizeDouble screen(800, 600);
    SampleForm form;
    form.setHeight(8550);
    forms::CenterForm(form);
    form.setClientSize(4500, 1800);
    form.Move(600, 450);
    const QPoint placed = form.pos();

    shownFrame(form);
    EXPECT_EQ(form.size(), QSize(300, 120));
    EXPECT_EQ(form.pos(), placed);
    form.Unload();
}

TEST(FormFrame, TheMainWindowIsATopLevelWindowThatStillShowsModally)
{
    SampleForm dialog;
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
    EXPECT_FALSE(dialog.ShowInTaskbar());

    SampleForm main;
    main.setBorderStyle(forms::FixedSingle);
    main.setShowInTaskbar(true);
    EXPECT_TRUE(main.ShowInTaskbar());
    EXPECT_EQ(main.windowType(), Qt::Window);
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    main.Show();
    ASSERT_NE(main.windowHandle(), nullptr);
    EXPECT_EQ(main.windowHandle()->type(), Qt::Window);
    EXPECT_EQ(main.windowHandle()->transientParent(), nullptr);
    main.Hide();

    ModalWatchdog watchdog;
    bool wasModal = false;
    QTimer::singleShot(0, &main, [&] {
        wasModal = QApplication::activeModalWidget() == &main;
        main.Hide();
    });
    main.Show(true);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(main.windowType(), Qt::Window);
}

} // namespace
