#include "exercises/letters/order/frmTest.h"

#include "exercises/letters/RegisterWindows.h"
#include "exercises/letters/order/Congratulations.h"
#include "exercises/letters/order/OrderTestForms.h"
#include "exercises/letters/order/clsGujTest.h"
#include "platform/controls/AniGif.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Twips.h"
#include "platform/services/MessageBoxStyle.h"
#include "platform/services/StandardMessageBox.h"
#include "resources/StringTable.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/modMain.h"
#include "tests/exercises/letters/OrderFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/PlannedMedia.h"
#include "tests/support/PressEnter.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QImageReader>
#include <QTest>

#include <memory>
#include <string>

namespace {

using services::MessageBoxAnswer::No;
using services::MessageBoxAnswer::Ok;
using services::MessageBoxAnswer::Yes;
constexpr int YesNoQuestion = 292;

class OrderWindow : public OrderFixture
{
protected:
    OrderWindow() { exercises::letters::registerWindows(); }
    ~OrderWindow() override { levels::clearWindows(); }

    // The window the dispatcher would make for a form name, loaded.
    std::unique_ptr<frmTest> load(const char *formName)
    {
        std::unique_ptr<levels::ExerciseForm> made = levels::createWindow(formName);
        auto *form = dynamic_cast<frmTest *>(made.get());
        EXPECT_NE(form, nullptr);
        made.release();
        std::unique_ptr<frmTest> window(form);
        window->Load();
        return window;
    }

    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    // Clicks the tiles that show letters from..to (0-based, either way round).
    static void chooseLetters(frmTest &form, int from, int to)
    {
        const int step = from <= to ? 1 : -1;
        for (int k = from; k != to + step; k += step) {
            for (int t = 0; t < form.design().tiles; ++t) {
                if (form.tileTag(t) == k && form.tileEnabled(t)) {
                    click(form.ImgLetter[std::size_t(t)]);
                    break;
                }
            }
        }
    }

    ScreenSizeDouble screen{1024, 768};
};

TEST_F(OrderWindow, APassAndTheNextLevelButtonEndTheModalShowWithNextLevel)
{
    loadLevel(1, 8);
    std::unique_ptr<frmTest> form = load("frmTest8");
    form->setCaption("Level 1 - KA to ZA");
    EXPECT_EQ(form->cmdNextLevel->Caption(), "Next Level");
    EXPECT_TRUE(form->TestInstructions->fileName().endsWith("/Animation/testinstructions.gif"));

    MessageBoxScript boxes;
    boxes.expectExactly("You Have Sucessfully Completed Level 1.", 0, Ok, [&] {
        EXPECT_TRUE(form->AnimCongrat->isVisible());
        EXPECT_TRUE(FakeSoundBackend::of(*form->ApplauseSound)->isPlaying());
    });
    bool offered = false;
    WhenModal learner([&](QWidget *) {
        chooseLetters(*form, 0, 7);
        offered = form->cmdNextLevel->isVisible();
        click(form->cmdNextLevel);
    });
    form->Show(true);

    EXPECT_TRUE(learner.done());
    EXPECT_TRUE(offered);
    EXPECT_EQ(form->Tag(), "Next Level");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->AnimCongrat->isVisible());
    EXPECT_FALSE(FakeSoundBackend::of(*form->ApplauseSound)->isPlaying());
    EXPECT_EQ(storedLevel(), 2);

    // The dispatcher's unload asks nothing.
    form->mblnExit = false;
    form->mblnDoNotDisplayMsgBox = true;
    EXPECT_TRUE(form->Unload());
    EXPECT_EQ(boxes.shown().size(), 1);
}

TEST_F(OrderWindow, LeavingAsksWhileTheRowIsOpenAndNotAfterAWrongOrder)
{
    loadLevel(2, 10);
    std::unique_ptr<frmTest> form = load("frmTest10");
    EXPECT_EQ(form->cmdNextLevel->Caption(), "Next Test");
    EXPECT_TRUE(form->TestInstructions->fileName().endsWith("/Animation/testinstructions.gif"));
    form->Show();

    const QString leave = resources::LoadResString(112);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(leave, YesNoQuestion, No);
        click(form->cmdExit);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->engine()->position(), 0);

        boxes.expectExactly(resources::LoadResString(107), 48, Ok);
        chooseLetters(*form, 9, 0);
    }
    // Right after a wrong order the window is left without a question.
    {
        MessageBoxScript boxes;
        click(form->cmdExit);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->Tag(), "");
        EXPECT_TRUE(boxes.shown().isEmpty());
    }
}

// Enter closes each message box; pressed again it goes to this window,
// where it must neither leave the test nor take a pass back (at level 3 the
// dispatcher takes back a pass the test is left after).
TEST_F(OrderWindow, EnterAgainAfterAMessageNeitherLeavesTheTestNorUndoesThePass)
{
    loadLevel(3, 18);
    std::unique_ptr<frmTest> form = load("frmTest18");
    ModalWatchdog watchdog(30000);
    bool stayedAfterWrongOrder = false;
    bool stayedAfterNo = false;
    QWidget *focusAfterPass = nullptr;
    WhenModal learner([&](QWidget *) {
        {
            MessageBoxScript boxes;
            boxes.expectExactly(resources::LoadResString(107), 48, Ok);
            chooseLetters(*form, 17, 0);
            pressEnter();
        }
        stayedAfterWrongOrder = form->isVisible() && form->engine()->position() == 0;
        {
            MessageBoxScript boxes;
            chooseLetters(*form, 0, 1);
            boxes.expectExactly(resources::LoadResString(112), YesNoQuestion, No);
            click(form->cmdExit);
            pressEnter();
        }
        stayedAfterNo = form->isVisible() && form->engine()->position() == 2;
        click(form->cmdReset);
        {
            MessageBoxScript boxes;
            boxes.expectExactly("You Have Sucessfully Completed Level 3.", 0, Ok);
            chooseLetters(*form, 0, 17);
        }
        focusAfterPass = QApplication::focusWidget();
        pressEnter();
    });
    form->Show(true);

    EXPECT_TRUE(learner.done());
    EXPECT_TRUE(stayedAfterWrongOrder);
    EXPECT_TRUE(stayedAfterNo);
    EXPECT_EQ(focusAfterPass, form->cmdNextLevel);
    EXPECT_EQ(form->Tag(), "Next Level");
    EXPECT_EQ(storedLevel(), 4);
    EXPECT_FALSE(watchdog.fired());
}

// Practising the last alphabet level offers no next-level button: after the
// pass Enter presses nothing.
TEST_F(OrderWindow, EnterAfterAPassWithNothingToGoOnToPressesNothing)
{
    loadLevel(8, 34);
    storeLevel(9);
    modMain::gLevel = 8;
    std::unique_ptr<frmTest> form = load("frmTest34");
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    {
        MessageBoxScript boxes;
        boxes.expectExactly("Congratulations You Have Successfully Completed This Exercise", 0, Ok);
        chooseLetters(*form, 0, 33);
    }
    ASSERT_FALSE(form->cmdNextLevel->isVisible());
    MessageBoxScript noBoxes;
    pressEnter();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Tag(), "");
}

TEST_F(OrderWindow, TheCloseBoxAsksAndYesEndsTheTestUnpassed)
{
    loadLevel(11, 12);
    std::unique_ptr<frmTest> form = load("frmTest12");
    EXPECT_TRUE(
        form->TestInstructions->fileName().endsWith("/Animation/numbertestinstructions.gif"));
    form->Show();
    chooseLetters(*form, 0, 2);

    MessageBoxScript boxes;
    boxes.expectExactly(resources::LoadResString(112), YesNoQuestion, No);
    boxes.expectExactly(resources::LoadResString(112), YesNoQuestion, Yes);
    closeFromTitleBar(*form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isLoaded());
    closeFromTitleBar(*form);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->isUnloaded());
    EXPECT_EQ(form->Tag(), "");
    EXPECT_EQ(storedLevel(), 11);
}

TEST_F(OrderWindow, ALetterListThatDoesNotFillTheTilesEndsTheProgramAsMissingLevelData)
{
    loadLevel(8, 33);
    std::unique_ptr<levels::ExerciseForm> form = levels::createWindow("frmTest34");
    ASSERT_NE(form, nullptr);

    MessageBoxScript boxes;
    boxes.expectExactly("No Letters exists in the file", 48, Ok);
    ProgramEndCatcher end;
    EXPECT_THROW(form->Load(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
}

TEST_F(OrderWindow, LayoutsPlaceTheGridAsDesignedAndTheCompactButtonsApart)
{
    loadLevel(8, 34);
    std::unique_ptr<frmTest> designed = load("frmTest34");
    EXPECT_EQ(designed->ScaleWidth(), 7680);
    EXPECT_EQ(designed->ScaleHeight(), 9450);
    // The fifth row holds six tiles, set in by 480.
    EXPECT_EQ(designed->pnlLetter[28]->Left(), 600);
    EXPECT_EQ(designed->pnlLetter[28]->Top(), 120 + 4 * 840);
    EXPECT_EQ(designed->PicResult[17]->Left(), 120);
    EXPECT_EQ(designed->PicResult[17]->Top(), 600);

    screen.setSize(800, 600);
    loadLevel(2, 10);
    std::unique_ptr<frmTest> compact = load("frmTest10");
    EXPECT_EQ(compact->Height(), 8550);
    // Tile 9 starts the second row.
    EXPECT_EQ(compact->pnlLetter[9]->Left(), 120);
    EXPECT_EQ(compact->pnlLetter[5]->Left(), 120 + 1200);
    const QRect client = compact->rect();
    for (const controls::SSCommand *button :
         {compact->cmdExit, compact->cmdReset, compact->cmdUndo, compact->cmdNextLevel}) {
        EXPECT_EQ(button->Top(), 7680);
        EXPECT_TRUE(client.contains(button->geometry())) << button->Caption().toStdString();
    }
    EXPECT_FALSE(compact->cmdUndo->geometry().intersects(compact->cmdReset->geometry()));
    EXPECT_FALSE(compact->cmdUndo->geometry().intersects(compact->cmdExit->geometry()));
}

// The levels of each order-test window, one each.
struct OrderWindowLevel
{
    const char *form;
    int level;
};
constexpr OrderWindowLevel OrderWindowLevels[] = {{"frmTest8", 1},   {"frmTest10", 2},
                                                  {"frmTest12", 11}, {"frmTest16", 7},
                                                  {"frmTest18", 3},  {"frmTest34", 8}};

// With the congratulations the course tool draws, every window plays one
// drawn in its tile block's shape; and the pass message, standing over the
// window as the learner meets it, leaves the words of the animation in
// sight. On a screen as wide as the parameter, 4:3.
class OrderWindowOnScreen : public OrderWindow, public ::testing::WithParamInterface<int>
{};

TEST_P(OrderWindowOnScreen, TheCongratulationFitsItsBlockAndItsWordsStayClearOfThePassMessage)
{
    writePlannedMedia(folder.path(), coursegen::MediaKind::Congratulations);
    screen.setSize(GetParam(), GetParam() * 3 / 4);
    for (const OrderWindowLevel &each : OrderWindowLevels) {
        SCOPED_TRACE(each.form);
        const int tiles = order::orderTestForm(QString::fromLatin1(each.form))->tiles;
        loadLevel(each.level, tiles);
        std::unique_ptr<frmTest> form = load(each.form);
        const QSizeF drawn = QImageReader(form->AnimCongrat->fileName()).size();
        const QSizeF block = form->AnimCongrat->size();
        ASSERT_FALSE(drawn.isEmpty()) << form->AnimCongrat->fileName().toStdString();
        EXPECT_NEAR(drawn.width() / drawn.height(), block.width() / block.height(), 0.01);

        form->show();
        const QRect words = order::congratulationWords(form->AnimCongrat->size());
        const QRect wordsOnScreen(form->AnimCongrat->mapToGlobal(words.topLeft()), words.size());
        QRect passBox;
        MessageBoxScript boxes;
        boxes.expect(QStringLiteral("Completed"), 0, Ok, [&] {
            WhenModal learner([&](QWidget *box) {
                passBox = box->frameGeometry();
                QTest::keyClick(box, Qt::Key_Return);
            });
            const MessageBoxScript::Box &pass = boxes.shown().back();
            services::showStandardMessageBox(pass.owner, pass.text, pass.style);
        });
        chooseLetters(*form, 0, tiles - 1);
        ASSERT_FALSE(passBox.isEmpty());
        EXPECT_FALSE(passBox.intersects(wordsOnScreen))
            << "box " << passBox.top() << ".." << passBox.bottom() << ", words "
            << wordsOnScreen.top() << ".." << wordsOnScreen.bottom();
        form->mblnExit = false;
        form->mblnDoNotDisplayMsgBox = true;
    }
}

INSTANTIATE_TEST_SUITE_P(BothScreens, OrderWindowOnScreen, ::testing::Values(1024, 800));

// On an 800 x 600 screen the rows close up, yet every window's tile block
// stands clear of the title bar, as far down as frmTest18's, and no row runs
// into the one below it or into the buttons.
TEST_F(OrderWindow, OnAn800x600ScreenTheRowsCloseUpWithoutMeeting)
{
    screen.setSize(800, 600);
    for (const OrderWindowLevel &each : OrderWindowLevels) {
        SCOPED_TRACE(each.form);
        loadLevel(each.level, order::orderTestForm(QString::fromLatin1(each.form))->tiles);
        std::unique_ptr<frmTest> form = load(each.form);
        EXPECT_GE(form->pnlBlank1->y(), platform::toPixels(120));
        // Frames may share their edge line, as designed, and no more.
        EXPECT_LE(form->pnlBlank1->geometry().bottom(), form->pnlBlank3->y());
        EXPECT_LE(form->pnlBlank3->geometry().bottom(), form->pnlBlank4->y());
        EXPECT_LT(form->pnlBlank4->geometry().bottom(), form->cmdExit->y());
    }
}

} // namespace
