#include "exercises/keyboard/keyboards/frmKeyboard.h"

#include "exercises/keyboard/keyboards/KeyCells.h"
#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TitleBarClose.h"
#include "tests/support/WindowSystemInput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using keyboards::DigitKeypad;
using keyboards::LetterKeyboard;
constexpr quint32 Lit = 0xC0FFFF;
constexpr quint32 Plain = 0xE0E0E0;

// An exercise window with its typing cells as plain values; it counts every
// write to them.
class Exercise final : public forms::Form, public keyboards::KeyCells
{
public:
    Exercise(const QString &name, int cells)
        : Form(name)
        , pictures(std::size_t(cells))
        , tags(std::size_t(cells))
    {
        setClientSize(7800, 9900);
    }

    int keyCellCount() const override { return int(tags.size()); }
    void setKeyCell(int cell, const QPixmap &picture, const QString &tag) override
    {
        pictures.at(std::size_t(cell)) = picture;
        tags.at(std::size_t(cell)) = tag;
        ++writes;
    }
    void clearKeyCell(int cell) override
    {
        pictures.at(std::size_t(cell)) = QPixmap();
        tags.at(std::size_t(cell)).clear();
        ++writes;
    }

    std::vector<QPixmap> pictures;
    std::vector<QString> tags;
    int writes = 0;
};

// Key sets whose pictures each carry a colour of their own: letter key
// number k (1..34) and digit k (0..9, stored as 40 + k).
class KeyboardWindow : public ::testing::Test
{
protected:
    KeyboardWindow()
    {
        modMain::resetForTests();
        modMain::gKeyboardChars.resize(35);
        for (int k = 1; k <= 34; ++k)
            modMain::gKeyboardChars[std::size_t(k)].LetterPicture = picture(k);
        modMain::gKeyboardCharCount = 34;
        for (int k = 0; k < 10; ++k) {
            modMain::gNumKeyboardChars.emplace_back();
            modMain::gNumKeyboardChars.back().LetterPicture = picture(40 + k);
        }
        modMain::gNumKeyboardCharCount = 10;
    }
    ~KeyboardWindow() override { modMain::resetForTests(); }

    static QColor colour(int n) { return QColor(n * 5, 255 - n * 5, 128); }

    QString picture(int n)
    {
        const QString path = m_dir.filePath(QStringLiteral("key%1.png").arg(n));
        QImage image(5, 5, QImage::Format_RGB32);
        image.fill(colour(n));
        image.save(path);
        return path;
    }

    // The number whose colour a picture carries; -1 for no picture.
    static int shown(const QPixmap &picture)
    {
        if (picture.isNull())
            return -1;
        const QColor seen = picture.toImage().pixelColor(0, 0);
        for (int n = 0; n < 50; ++n) {
            if (colour(n) == seen)
                return n;
        }
        return -2;
    }

    static std::unique_ptr<Exercise> exercise(const QString &name, int cells)
    {
        auto form = std::make_unique<Exercise>(name, cells);
        form->Show();
        return form;
    }

    // As an exercise opens its keyboard for a test.
    static std::unique_ptr<frmKeyboard> open(const keyboards::KeyboardForm &design,
                                             Exercise &parent, const QString &attachTo = {})
    {
        auto keyboard = std::make_unique<frmKeyboard>(design);
        keyboard->setHighlightPause(0);
        keyboard->AttachFormControl(attachTo.isEmpty() ? parent.Name() : attachTo);
        keyboard->Load();
        keyboard->PositionForm();
        keyboard->Show(false, &parent);
        return keyboard;
    }

    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    static void key(frmKeyboard &keyboard, int index)
    {
        click(keyboard.ImgLetter.at(std::size_t(index)));
    }

    ScreenSizeDouble screen{1024, 768};

private:
    QTemporaryDir m_dir;
};

TEST_F(KeyboardWindow, DesignedLayoutOfBothKeyboards)
{
    auto parent = exercise("frmLevel10", 6);
    auto letters = open(LetterKeyboard, *parent);
    EXPECT_EQ(letters->Caption(), "Keyboard");
    EXPECT_EQ(letters->ScaleWidth(), 6495);
    EXPECT_EQ(letters->ScaleHeight(), 3735);
    EXPECT_TRUE(letters->windowFlags().testFlag(Qt::Tool));
    EXPECT_FALSE(letters->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    ASSERT_EQ(letters->pnlLetter.size(), 34U);
    const auto at = [](const auto *control) {
        return QRect(control->Left(), control->Top(), control->Width(), control->Height());
    };
    EXPECT_EQ(at(letters->pnlLetter[0]), QRect(240, 240, 615, 735));
    EXPECT_EQ(at(letters->pnlLetter[29]), QRect(5640, 1920, 615, 735));
    EXPECT_EQ(at(letters->pnlLetter[30]), QRect(2040, 2760, 615, 735));
    EXPECT_EQ(at(letters->pnlLetter[33]), QRect(3840, 2760, 615, 735));
    EXPECT_EQ(at(letters->ImgLetter[33]), QRect(120, 120, 375, 495));
    EXPECT_EQ(at(letters->cmdUndo), QRect(240, 3000, 1575, 375));
    EXPECT_EQ(letters->cmdUndo->Caption(), "&Undo");

    auto numbers = exercise("frmLevel12", 3);
    auto digits = open(DigitKeypad, *numbers);
    EXPECT_EQ(digits->Caption(), "Number Keypad");
    EXPECT_EQ(digits->ScaleHeight(), 1815);
    ASSERT_EQ(digits->pnlLetter.size(), 10U);
    EXPECT_EQ(at(digits->pnlLetter[9]), QRect(5640, 240, 615, 735));
    EXPECT_EQ(at(digits->cmdUndo), QRect(240, 1200, 1575, 375));
}

TEST_F(KeyboardWindow, LettersFillSixCellsAndTheSeventhWaitsForUndo)
{
    auto parent = exercise("frmLevel10", 6);
    auto keyboard = open(LetterKeyboard, *parent);
    EXPECT_EQ(keyboard->keyTag(33), "33");

    // The key is lit while the click yields, and plain again after.
    quint32 during = 0;
    QTimer::singleShot(0, keyboard.get(), [&] { during = keyboard->pnlLetter[0]->BackColor(); });
    key(*keyboard, 0);
    EXPECT_EQ(during, Lit);
    EXPECT_EQ(keyboard->pnlLetter[0]->BackColor(), Plain);
    EXPECT_EQ(keyboard->highlightedKey(), 0);
    EXPECT_EQ(parent->tags[0], "1");
    EXPECT_EQ(shown(parent->pictures[0]), 1);

    for (const int index : {33, 2, 3, 4, 5})
        key(*keyboard, index);
    EXPECT_EQ(parent->tags, (std::vector<QString>{"1", "34", "3", "4", "5", "6"}));
    EXPECT_EQ(shown(parent->pictures[1]), 34);
    EXPECT_EQ(keyboard->CurrentKeyIdx(), 5);

    const int writes = parent->writes;
    key(*keyboard, 9);
    EXPECT_EQ(keyboard->CurrentKeyIdx(), 5);
    EXPECT_EQ(parent->writes, writes);
    EXPECT_EQ(keyboard->highlightedKey(), 5) << "an ignored key does not light up";

    click(keyboard->cmdUndo);
    EXPECT_EQ(keyboard->CurrentKeyIdx(), 4);
    EXPECT_EQ(parent->tags[5], "");
    EXPECT_TRUE(parent->pictures[5].isNull());
    key(*keyboard, 9);
    EXPECT_EQ(parent->tags[5], "10");
    EXPECT_EQ(shown(parent->pictures[5]), 10);

    // The exercise takes the answer and starts again from the first cell.
    keyboard->setCurrentKeyIdx(-1);
    key(*keyboard, 7);
    EXPECT_EQ(parent->tags[0], "8");
    EXPECT_EQ(parent->tags[1], "34");
}

// The learner may go on clicking while a key is lit: the windows keep
// answering, and the clicks wait for the light to go out.
TEST_F(KeyboardWindow, ClicksDuringAKeyLightWaitForItAndComeInTheirOrder)
{
    auto parent = exercise("frmLevel10", 6);
    auto keyboard = open(LetterKeyboard, *parent);
    keyboard->setHighlightPause(200);
    bool answeredWhileLit = false;
    QTimer::singleShot(50, keyboard.get(), [&] {
        answeredWhileLit = keyboard->pnlLetter[0]->BackColor() == Lit;
        postClick(*keyboard->ImgLetter[7]);
        postClick(*keyboard->ImgLetter[20]);
    });
    key(*keyboard, 0);
    EXPECT_TRUE(answeredWhileLit) << "the windows did not answer while the key was lit";
    EXPECT_EQ(keyboard->pnlLetter[0]->BackColor(), Plain);
    EXPECT_EQ(parent->tags, (std::vector<QString>{"1", "", "", "", "", ""}))
        << "a click came in while the key was lit";

    QElapsedTimer waited;
    waited.start();
    while (parent->tags[2].isEmpty() && waited.elapsed() < 5000)
        QTest::qWait(10);
    EXPECT_EQ(parent->tags, (std::vector<QString>{"1", "8", "21", "", "", ""}));
    EXPECT_EQ(keyboard->CurrentKeyIdx(), 2);
    EXPECT_EQ(keyboard->pnlLetter[7]->BackColor(), Plain);
    EXPECT_EQ(keyboard->pnlLetter[20]->BackColor(), Plain);
}

TEST_F(KeyboardWindow, UndoShowsWithTheFirstKeyAndDoesNothingWithNoCellFilled)
{
    auto parent = exercise("frmLevel10", 6);
    auto keyboard = open(LetterKeyboard, *parent);
    EXPECT_FALSE(keyboard->cmdUndo->isVisible());
    key(*keyboard, 12);
    EXPECT_TRUE(keyboard->cmdUndo->isVisible());
    EXPECT_EQ(parent->tags[0], "13");

    click(keyboard->cmdUndo);
    EXPECT_EQ(keyboard->CurrentKeyIdx(), -1);
    EXPECT_FALSE(keyboard->cmdUndo->isVisible());
    EXPECT_EQ(parent->tags[0], "");

    const int writes = parent->writes;
    keyboard->cmdUndo->click();
    EXPECT_EQ(keyboard->CurrentKeyIdx(), -1);
    EXPECT_EQ(parent->writes, writes);
    EXPECT_FALSE(keyboard->cmdUndo->isVisible());
}

TEST_F(KeyboardWindow, DigitKeypadTypesDigitsIntoThreeCellsForBothItsExercises)
{
    for (const char *name : {"frmLevel12", "frmLevel20"}) {
        SCOPED_TRACE(name);
        auto parent = exercise(name, 3);
        auto keypad = open(DigitKeypad, *parent);
        for (const int index : {0, 9, 4})
            key(*keypad, index);
        EXPECT_EQ(parent->tags, (std::vector<QString>{"0", "9", "4"}));
        EXPECT_EQ(shown(parent->pictures[0]), 40);
        EXPECT_EQ(shown(parent->pictures[1]), 49);

        key(*keypad, 7);
        EXPECT_EQ(keypad->CurrentKeyIdx(), 2);
        EXPECT_EQ(parent->tags[2], "4");
        click(keypad->cmdUndo);
        key(*keypad, 7);
        EXPECT_EQ(parent->tags[2], "7");
        EXPECT_EQ(shown(parent->pictures[2]), 47);
    }
}

TEST_F(KeyboardWindow, AnExerciseNameItDoesNotServeIsLeftAlone)
{
    auto parent = exercise("frmlevel10", 6);
    parent->Move(1500, 750);
    auto keyboard = open(LetterKeyboard, *parent);
    EXPECT_EQ(parent->Left(), 1500);
    EXPECT_EQ(parent->Top(), 750);
    key(*keyboard, 0);
    key(*keyboard, 1);
    EXPECT_EQ(keyboard->CurrentKeyIdx(), 1);
    EXPECT_TRUE(keyboard->cmdUndo->isVisible());
    EXPECT_EQ(keyboard->highlightedKey(), 1);
    click(keyboard->cmdUndo);
    EXPECT_EQ(keyboard->CurrentKeyIdx(), 0);
    EXPECT_EQ(parent->writes, 0);

    // Each keyboard serves its own exercises only.
    auto spelling = exercise("frmLevel10", 6);
    auto keypad = open(DigitKeypad, *spelling);
    key(*keypad, 3);
    EXPECT_EQ(keypad->CurrentKeyIdx(), 0);
    EXPECT_EQ(spelling->writes, 0);
}

TEST_F(KeyboardWindow, PairStandsSideBySideInTheMiddleOfTheScreen)
{
    auto parent = exercise("frmLevel10", 6);
    parent->setWidth(7800);
    parent->setHeight(9900);
    frmKeyboard keyboard(LetterKeyboard);
    keyboard.AttachFormControl("frmLevel10");
    keyboard.Load();
    keyboard.setWidth(6600);
    keyboard.setHeight(4200);
    keyboard.PositionForm();
    EXPECT_EQ(parent->Left(), 480);
    EXPECT_EQ(parent->Top(), 810);
    EXPECT_EQ(keyboard.Left(), 8280);
    EXPECT_EQ(keyboard.Top(), 4110);
}

TEST_F(KeyboardWindow, OnASmallScreenEveryKeyStaysOnIt)
{
    screen.setSize(800, 600);
    auto parent = exercise("frmLevel10", 6);
    parent->setWidth(7800);
    parent->setHeight(9900);
    auto keyboard = open(LetterKeyboard, *parent);
    EXPECT_EQ(parent->Left(), 0);
    EXPECT_EQ(parent->Top(), 0);
    EXPECT_EQ(keyboard->Left(), 12000 - keyboard->Width());
    EXPECT_EQ(keyboard->Top(), 3300);
    const QRect onScreen(0, 0, 800, 600);
    for (const controls::SSPanel *key : keyboard->pnlLetter)
        EXPECT_TRUE(onScreen.contains(QRect(key->mapToGlobal(QPoint(0, 0)), key->size())));
}

TEST_F(KeyboardWindow, OnlyItsExerciseClosesIt)
{
    auto parent = exercise("frmLevel10", 6);
    auto keyboard = open(LetterKeyboard, *parent);
    closeFromTitleBar(*keyboard);
    QTest::keyClick(keyboard.get(), Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(keyboard.get(), Qt::Key_Escape);
    EXPECT_TRUE(keyboard->isLoaded());
    EXPECT_TRUE(keyboard->isVisible());

    // Marking unloads it; the next test's keyboard goes with the exercise.
    EXPECT_TRUE(keyboard->Unload());
    auto next = open(LetterKeyboard, *parent);
    EXPECT_TRUE(parent->Unload());
    EXPECT_TRUE(next->isUnloaded());
    EXPECT_FALSE(next->isVisible());
}

TEST_F(KeyboardWindow, ExerciseLeavingDuringAKeyLightEndsTheClickUntouched)
{
    auto parent = exercise("frmLevel10", 6);
    QPointer<frmKeyboard> keyboard = open(LetterKeyboard, *parent).release();
    keyboard->setDeleteOnUnload(true);
    keyboard->setHighlightPause(1000);
    // "Main Menu", clicked just before the key and handled in its yield.
    QTimer::singleShot(0, parent.get(), [&] { parent->Unload(); });
    key(*keyboard, 4);
    EXPECT_TRUE(parent->isUnloaded());
    EXPECT_EQ(parent->tags[0], "5");
    ASSERT_FALSE(keyboard.isNull());
    EXPECT_TRUE(keyboard->isUnloaded());
    EXPECT_EQ(keyboard->pnlLetter[4]->BackColor(), Lit) << "touched after it was unloaded";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(keyboard.isNull());

    // An exercise that deletes its keyboard at once.
    auto next = exercise("frmLevel10", 6);
    keyboard = open(LetterKeyboard, *next).release();
    keyboard->setHighlightPause(1000);
    QTimer::singleShot(0, next.get(), [&] { delete keyboard.data(); });
    key(*keyboard, 4);
    EXPECT_TRUE(keyboard.isNull());
    EXPECT_EQ(next->tags[0], "5");

    // The exercise leaves while the key is lit, and then also deletes the
    // keyboard.
    for (const bool deleting : {false, true}) {
        SCOPED_TRACE(deleting);
        auto last = exercise("frmLevel10", 6);
        keyboard = open(LetterKeyboard, *last).release();
        keyboard->setHighlightPause(300);
        QTimer::singleShot(100, last.get(), [&] {
            last->Unload();
            if (deleting)
                delete keyboard.data();
        });
        key(*keyboard, 6);
        EXPECT_TRUE(last->isUnloaded());
        EXPECT_EQ(last->tags[0], "7");
        if (deleting) {
            EXPECT_TRUE(keyboard.isNull());
        } else {
            ASSERT_TRUE(keyboard->isUnloaded());
            EXPECT_EQ(keyboard->pnlLetter[6]->BackColor(), Lit) << "touched after it was unloaded";
            delete keyboard.data();
        }
    }
}

TEST_F(KeyboardWindow, KeyPicturesThatCannotBeLoadedLeaveTheirReportAndTheWindowOpens)
{
    QFile::remove(modMain::gKeyboardChars[4].LetterPicture);
    auto parent = exercise("frmLevel10", 6);
    auto keyboard = open(LetterKeyboard, *parent);
    EXPECT_TRUE(modErrors::gErrMsg.startsWith("Error No=53\rError Description="))
        << modErrors::gErrMsg.toStdString();
    EXPECT_TRUE(keyboard->isVisible());
    EXPECT_EQ(shown(keyboard->ImgLetter[2]->pixmap()), 3);
    EXPECT_EQ(keyboard->keyTag(2), "2");
    EXPECT_TRUE(keyboard->ImgLetter[3]->pixmap().isNull());
    EXPECT_TRUE(keyboard->ImgLetter[4]->pixmap().isNull());
    EXPECT_EQ(keyboard->keyTag(3), "");
    // A key without its picture still types its number.
    key(*keyboard, 3);
    EXPECT_EQ(parent->tags[0], "4");
    EXPECT_TRUE(parent->pictures[0].isNull());

    // More rows than keys: every key loads, and the surplus is reported.
    modErrors::gErrMsg.clear();
    modMain::gNumKeyboardChars.push_back(modMain::gNumKeyboardChars[0]);
    modMain::gNumKeyboardCharCount = 11;
    auto numbers = exercise("frmLevel12", 3);
    auto keypad = open(DigitKeypad, *numbers);
    EXPECT_TRUE(modErrors::gErrMsg.startsWith("Error No=9\r")) << modErrors::gErrMsg.toStdString();
    EXPECT_EQ(shown(keypad->ImgLetter[9]->pixmap()), 49);
}

} // namespace
