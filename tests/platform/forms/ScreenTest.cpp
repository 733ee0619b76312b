#include "platform/forms/Screen.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/ScreenResolution.h"
#include "tests/platform/forms/SampleForm.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

using forms::Screen;

QPoint frameCentre(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    return frame.topLeft() + QPoint(frame.width() / 2, frame.height() / 2);
}

TEST(Screen, SizeComesFromTheDoubleInPixelsAndTwips)
{
    const QSize real = Screen::sizeInPixels();
    {
        ScreenSizeDouble screen(1024, 768);
        EXPECT_EQ(Screen::sizeInPixels(), QSize(1024, 768));
        EXPECT_EQ(Screen::Width(), 15360);
        EXPECT_EQ(Screen::Height(), 11520);
        {
            ScreenSizeDouble inner(800, 600);
            EXPECT_EQ(Screen::Width(), 12000);
        }
        EXPECT_EQ(Screen::Width(), 15360); // the inner double gave back the outer one
    }
    EXPECT_EQ(Screen::sizeInPixels(), real);
}

TEST(Screen, ResolutionCodesCompareBothDimensionsExactly)
{
    ScreenSizeDouble screen(640, 480);
    const struct
    {
        int width, height, code;
    } cases[] = {{640, 480, 0},   {800, 600, 1},   {1024, 768, 2}, {1152, 864, 3},
                 {1280, 1024, 4}, {1600, 1200, 5}, {1280, 800, 6}, {1280, 960, 6},
                 {1366, 768, 6},  {600, 800, 6},   {1024, 600, 6}};
    for (const auto &c : cases) {
        screen.setSize(c.width, c.height);
        EXPECT_EQ(forms::GetScreenResolution(), c.code) << c.width << " x " << c.height;
    }
}

TEST(CenterForm, CentresTheWindowOnTheScreen)
{
    SampleForm form;
    form.setClientSize(6255, 6975);
    form.Show();
    QApplication::processEvents();
    for (const QSize size : {QSize(800, 600), QSize(1366, 768)}) {
        ScreenSizeDouble screen(size.width(), size.height());
        forms::CenterForm(form);
        const QPoint centre = frameCentre(form);
        EXPECT_LE(std::abs(centre.x() - size.width() / 2), 1) << size.width();
        EXPECT_LE(std::abs(centre.y() - size.height() / 2), 1) << size.height();
    }
    form.Unload();
}

TEST(CenterForm, ALargerWindowGetsANegativePositionAndATwipsExample)
{
    ScreenSizeDouble screen(640, 480);
    SampleForm form;
    form.setClientSize(9960, 7800); // 664 x 520 pixels, no frame before showing
    forms::CenterForm(form);
    EXPECT_EQ(form.pos(), QPoint(-12, -20));
    EXPECT_EQ(form.Left(), -180);
}

TEST(CenterForm, AMaximisedOrMinimisedWindowBecomesNormal)
{
    ScreenSizeDouble screen(1024, 768);
    SampleForm form;
    form.setClientSize(4500, 3000);
    form.Show();
    form.setWindowState(Qt::WindowMaximized);
    forms::CenterForm(form);
    EXPECT_EQ(form.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized), Qt::WindowNoState);
    form.setWindowState(Qt::WindowMinimized);
    forms::CenterForm(form);
    EXPECT_EQ(form.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized), Qt::WindowNoState);
    QApplication::processEvents();
    const QPoint centre = frameCentre(form);
    EXPECT_LE(std::abs(centre.x() - 512), 1);
    EXPECT_LE(std::abs(centre.y() - 384), 1);
    form.Unload();
}

TEST(MousePointer, IsAStateNotAStack)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Screen::setMousePointer(forms::Hourglass);
    Screen::setMousePointer(forms::Hourglass);
    EXPECT_EQ(Screen::MousePointer(), forms::Hourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

    Screen::setMousePointer(forms::DefaultPointer); // one default undoes both
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Screen::MousePointer(), forms::DefaultPointer);
    Screen::setMousePointer(forms::DefaultPointer); // and a second one does no harm
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(MousePointer, LeavesOtherOverridesAloneAndRefusesUnknownShapes)
{
    QGuiApplication::setOverrideCursor(Qt::CrossCursor); // somebody else's
    Screen::setMousePointer(forms::Hourglass);
    Screen::setMousePointer(forms::ArrowPointer);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    Screen::setMousePointer(forms::DefaultPointer);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();

    try {
        Screen::setMousePointer(7);
        ADD_FAILURE() << "an unknown pointer was accepted";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.number(), 380);
    }
    EXPECT_EQ(Screen::MousePointer(), forms::DefaultPointer);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
