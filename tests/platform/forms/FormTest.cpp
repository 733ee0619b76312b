#include "platform/core/RuntimeError.h"
#include "platform/forms/Forms.h"
#include "tests/platform/forms/SampleForm.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WhenModal.h"
#include "tests/support/WindowSystemInput.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using forms::Form;

int raisedNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const platform::RuntimeError &error) {
        return error.number();
    }
    return 0;
}

TEST(Form, LoadRunsFormLoadOnceAndShowsNothing)
{
    SampleForm form;
    EXPECT_FALSE(form.isLoaded());
    form.Load();
    form.Load();
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.shows, 0);
    QApplication::processEvents();
    EXPECT_EQ(form.shows, 0);
}

TEST(Form, ShowLoadsFirstAndOnlyThenShows)
{
    SampleForm form;
    form.Show();
    EXPECT_EQ(form.loads, 1);
    EXPECT_FALSE(form.visibleDuringLoad);
    EXPECT_TRUE(form.isVisible());
    form.Hide();
    form.Show();
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.Unload());
}

TEST(Form, HidingAModalFormReturnsFromItsShow)
{
    ModalWatchdog watchdog;
    SampleForm form;
    bool wasModal = false;
    QTimer::singleShot(0, &form, [&] {
        wasModal = form.isVisible() && QApplication::activeModalWidget() == &form;
        form.Hide();
    });
    form.Show(true);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded()); // hidden, not unloaded
    EXPECT_FALSE(watchdog.fired());
}

TEST(Form, AButtonThatHidesTheFormEndsTheModalShowAndTheCallerReadsTag)
{
    ModalWatchdog watchdog;
    SampleForm form;
    QObject::connect(form.cmdOK, &QPushButton::clicked, &form, [&form] {
        form.setTag(QStringLiteral("Next Level"));
        form.Hide();
    });
    WhenModal click([&form](QWidget *) { QTest::mouseClick(form.cmdOK, Qt::LeftButton); });
    form.Show(true);
    EXPECT_TRUE(click.done());
    EXPECT_EQ(form.Tag(), QStringLiteral("Next Level"));
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(form.queries, 1);
    EXPECT_EQ(form.Tag(), QStringLiteral("Next Level")); // still readable after the unload
}

TEST(Form, AnUnloadTheQueryCancelsKeepsTheFormLoadedAndVisible)
{
    SampleForm form;
    form.Show();
    form.cancelQuery = true;
    EXPECT_FALSE(form.Unload());
    EXPECT_EQ(form.queries, 1);
    EXPECT_EQ(form.lastReason, forms::CodeUnload);
    EXPECT_EQ(form.unloads, 0);
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(forms::Forms::find(QStringLiteral("frmSample")), &form);

    form.cancelQuery = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(form.unloads, 1);
    EXPECT_TRUE(form.isUnloaded());
    EXPECT_FALSE(form.isVisible());
}

TEST(Form, FormUnloadCanCancelTooAndTheFormStaysAsItWas)
{
    SampleForm form;
    form.Show();
    form.cancelUnload = true;
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.isVisible());
    form.cancelUnload = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.isVisible());
}

TEST(Form, TheTitleBarCloseGoesThroughTheSameQuery)
{
    SampleForm form;
    form.Show();
    form.cancelQuery = true;
    closeFromTitleBar(form);
    EXPECT_EQ(form.queries, 1);
    EXPECT_EQ(form.lastReason, forms::ControlMenuClose);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());

    form.cancelQuery = false;
    closeFromTitleBar(form);
    EXPECT_EQ(form.queries, 2);
    EXPECT_EQ(form.lastReason, forms::ControlMenuClose);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_TRUE(form.isUnloaded());
    EXPECT_FALSE(form.isVisible());
}

TEST(Form, ClosingAModalFormUnloadsItAndEndsTheShow)
{
    ModalWatchdog watchdog;
    SampleForm form;
    WhenModal close([&form](QWidget *) { closeFromTitleBar(form); });
    form.Show(true);
    EXPECT_TRUE(close.done());
    EXPECT_TRUE(form.isUnloaded());
    EXPECT_EQ(form.lastReason, forms::ControlMenuClose);
    EXPECT_EQ(form.Tag(), QString()); // left without passing
    // The caller unloads every form after its modal show; this one is gone already.
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(form.queries, 1);
    EXPECT_FALSE(watchdog.fired());
}

TEST(Form, ACloseRefusedDuringAModalShowKeepsTheShowRunning)
{
    ModalWatchdog watchdog;
    SampleForm form;
    form.cancelQuery = true;
    bool stillShown = false;
    WhenModal close([&form, &stillShown](QWidget *) {
        closeFromTitleBar(form);
        QApplication::processEvents();
        stillShown = form.isVisible() && QApplication::activeModalWidget() == &form;
        form.Hide();
    });
    form.Show(true);
    EXPECT_TRUE(stillShown);
    EXPECT_TRUE(form.isLoaded());
}

TEST(Form, EscapeDoesNothingWithoutACancelButton)
{
    SampleForm form;
    form.Show();
    QTest::keyClick(form.txtName, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.queries, 0);
    EXPECT_TRUE(form.isLoaded());
    form.Unload();
}

TEST(Form, EscapePressesTheCancelButtonAndEnterTheDefaultButton)
{
    SampleForm form;
    form.setCancelButton(form.cmdCancel);
    form.setDefaultButton(form.cmdOK);
    QSignalSpy cancel(form.cmdCancel, &QPushButton::clicked);
    QSignalSpy ok(form.cmdOK, &QPushButton::clicked);
    form.Show();
    form.txtName->setFocus();

    QTest::keyClick(form.txtName, Qt::Key_Escape);
    EXPECT_EQ(cancel.count(), 1);
    EXPECT_EQ(ok.count(), 0);
    QTest::keyClick(form.txtName, Qt::Key_Return);
    EXPECT_EQ(ok.count(), 1);
    QTest::keyClick(form.txtName, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ok.count(), 2);
    EXPECT_EQ(form.queries, 0); // neither key closes the form by itself

    form.cmdCancel->hide(); // a hidden cancel button cannot be pressed
    QTest::keyClick(form.txtName, Qt::Key_Escape);
    EXPECT_EQ(cancel.count(), 1);
    form.Unload();
}

TEST(Form, CloseFromTheProgramIsACodeUnload)
{
    SampleForm form;
    form.Show();
    form.close();
    EXPECT_EQ(form.lastReason, forms::CodeUnload);
    EXPECT_TRUE(form.isUnloaded());
}

TEST(Form, RejectGoesThroughTheQuery)
{
    SampleForm form;
    form.Show();
    form.cancelQuery = true;
    form.reject();
    EXPECT_EQ(form.queries, 1);
    EXPECT_TRUE(form.isVisible());
    form.cancelQuery = false;
    form.reject();
    EXPECT_TRUE(form.isUnloaded());
}

TEST(Form, ACloseThatArrivesWhileTheQueryAsksIsRefused)
{
    SampleForm form;
    form.Show();
    bool secondUnload = true;
    form.onQuery = [&] {
        if (form.queries == 1)
            secondUnload = form.Unload(forms::ControlMenuClose);
    };
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(secondUnload);
    EXPECT_EQ(form.queries, 1);
    EXPECT_EQ(form.unloads, 1);
}

TEST(Form, AnUnloadedFormCannotBeLoadedAgain)
{
    SampleForm form;
    form.Load();
    form.Unload();
    EXPECT_EQ(raisedNumber([&] { form.Load(); }), 364);
    EXPECT_EQ(raisedNumber([&] { form.Show(); }), 364);
    EXPECT_EQ(form.loads, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST(Form, ShowingModallyAFormAlreadyShownRaises400)
{
    SampleForm form;
    form.Show();
    EXPECT_EQ(raisedNumber([&] { form.Show(true); }), 400);
    EXPECT_TRUE(form.isVisible());
    form.Unload();
}

TEST(Form, UnloadingAnOwnerUnloadsTheFormsItOwnsFirst)
{
    SampleForm exercise(QStringLiteral("frmLevel10"));
    SampleForm keyboard(QStringLiteral("frmKeyboard"));
    exercise.Show();
    keyboard.Load();
    keyboard.Show(false, &exercise);
    EXPECT_EQ(keyboard.Owner(), &exercise);
    ASSERT_NE(keyboard.windowHandle(), nullptr);
    EXPECT_EQ(keyboard.windowHandle()->transientParent(), exercise.windowHandle());
    EXPECT_EQ(keyboard.parent(), nullptr); // the owner does not own the object

    bool keyboardGoneFirst = false;
    exercise.onQuery = [&] { keyboardGoneFirst = keyboard.isUnloaded(); };
    EXPECT_TRUE(exercise.Unload());
    EXPECT_FALSE(keyboardGoneFirst); // the owner is asked first
    EXPECT_TRUE(keyboard.isUnloaded());
    EXPECT_EQ(keyboard.lastReason, forms::OwnerUnload);
    EXPECT_FALSE(keyboard.isVisible());
}

TEST(Form, AnOwnedFormThatRefusesKeepsItsOwnerLoaded)
{
    SampleForm exercise(QStringLiteral("frmLevel12"));
    SampleForm keypad(QStringLiteral("frmNumKeyboard"));
    exercise.Show();
    keypad.Show(false, &exercise);
    keypad.cancelQuery = true;
    EXPECT_FALSE(exercise.Unload());
    EXPECT_TRUE(exercise.isLoaded());
    EXPECT_TRUE(exercise.isVisible());
    EXPECT_EQ(exercise.unloads, 0);
    keypad.cancelQuery = false;
    EXPECT_TRUE(exercise.Unload());
    EXPECT_TRUE(keypad.isUnloaded());
}

TEST(Form, AFormLeftToItselfIsDeletedAfterItsUnload)
{
    QPointer<SampleForm> form = new SampleForm(QStringLiteral("frmLevel20"));
    form->setDeleteOnUnload(true);
    form->Show();
    form->Unload();
    ASSERT_FALSE(form.isNull()); // still valid for the rest of the handler
    EXPECT_TRUE(form->isUnloaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(forms::Forms::find(QStringLiteral("frmLevel20")), nullptr);
}

TEST(Form, ClientAreaAndPositionAreInTwips)
{
    SampleForm form;
    form.setClientSize(7530, 9390);
    EXPECT_EQ(form.size(), QSize(502, 626));
    EXPECT_EQ(form.ScaleWidth(), 7530);
    EXPECT_EQ(form.ScaleHeight(), 9390);
    form.Move(1200, 600);
    EXPECT_EQ(form.pos(), QPoint(80, 40));
    EXPECT_EQ(form.Left(), 1200);
    EXPECT_EQ(form.Top(), 600);

    form.Show();
    QApplication::processEvents();
    // The outer size includes whatever frame the window system reports.
    const QSize frame = form.frameGeometry().size() - form.size();
    form.setHeight(9930);
    EXPECT_EQ(form.Height(), 9930);
    EXPECT_EQ(form.height(), 662 - frame.height());
    form.Move(300, 450, 7770, 8550);
    EXPECT_EQ(form.Width(), 7770);
    EXPECT_EQ(form.Height(), 8550);
    EXPECT_EQ(form.Left(), 300);
    form.Unload();
}

TEST(Form, AFixedBorderKeepsTheSizeTheProgramSets)
{
    SampleForm form;
    form.setBorderStyle(forms::FixedDialog);
    form.setClientSize(6105, 5160);
    EXPECT_EQ(form.minimumSize(), QSize(407, 344));
    EXPECT_EQ(form.maximumSize(), QSize(407, 344));
    form.setClientSize(6255, 6975);
    EXPECT_EQ(form.size(), QSize(417, 465));
    EXPECT_EQ(form.maximumSize(), QSize(417, 465));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

    form.setBorderStyle(forms::Sizable);
    form.setMaxButton(true);
    EXPECT_EQ(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(Form, BordersAndTitleBarButtonsBecomeWindowFlags)
{
    SampleForm keyboard;
    keyboard.setBorderStyle(forms::FixedToolWindow);
    EXPECT_EQ(keyboard.windowType(), Qt::Tool);

    SampleForm splash;
    splash.setBorderStyle(forms::FixedSingle);
    splash.setControlBox(false);
    EXPECT_EQ(splash.windowType(), Qt::Dialog);
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(splash.windowFlags() & Qt::WindowMinimizeButtonHint);

    SampleForm bare;
    bare.setBorderStyle(forms::NoBorder);
    EXPECT_TRUE(bare.windowFlags() & Qt::FramelessWindowHint);

    // Changing the border of a shown window keeps it shown.
    SampleForm shown;
    shown.Show();
    shown.setMinButton(true);
    EXPECT_TRUE(shown.isVisible());
    EXPECT_TRUE(shown.windowFlags() & Qt::WindowMinimizeButtonHint);
    shown.Unload();
}

// A window manager may draw a minimise box that a form was designed
// without, and minimise the form's owner or owned forms with it.
TEST(Form, AFormWithoutAMinimiseButtonComesBackWhenTheWindowSystemMinimisesIt)
{
    SampleForm exercise;
    exercise.Show();
    SampleForm keyboard;
    keyboard.setBorderStyle(forms::FixedToolWindow);
    keyboard.Show(false, &exercise);
    SampleForm designed;
    designed.setMinButton(true);
    designed.Show();
    for (QWidget *window : std::initializer_list<QWidget *>{&keyboard, &exercise, &designed})
        reportMinimised(*window);
    ASSERT_TRUE(keyboard.isMinimized());
    QTest::qWait(20);

    for (const SampleForm *form : {&exercise, &keyboard}) {
        EXPECT_FALSE(form->isMinimized());
        EXPECT_FALSE(form->windowHandle()->windowStates() & Qt::WindowMinimized);
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(designed.isMinimized()) << "a form designed with the box may be minimised";
}

TEST(Form, CaptionTagAndBackColor)
{
    SampleForm form;
    form.setCaption(QStringLiteral("Level 1 - KA to ZA"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Level 1 - KA to ZA"));
    EXPECT_EQ(form.Caption(), QStringLiteral("Level 1 - KA to ZA"));
    EXPECT_EQ(form.Tag(), QString());
    form.setTag(QStringLiteral("Exit"));
    EXPECT_EQ(form.Tag(), QStringLiteral("Exit"));

    form.setBackColor(0xC0E0FF);
    EXPECT_EQ(form.BackColor(), 0xC0E0FFu);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0xFF, 0xE0, 0xC0));
    EXPECT_TRUE(form.autoFillBackground());
    EXPECT_EQ(form.Name(), QStringLiteral("frmSample"));
}

} // namespace
