#include "tests/support/CourseDriver.h"

#include "exercises/keyboard/RegisterWindows.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "exercises/keyboard/maths/frmLevel20.h"
#include "exercises/keyboard/numbers/frmLevel12.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "exercises/keyboard/words/PictureCell.h"
#include "exercises/letters/RegisterWindows.h"
#include "exercises/letters/listening/ListeningForms.h"
#include "exercises/letters/listening/frmListening.h"
#include "exercises/letters/order/OrderTestForms.h"
#include "exercises/letters/order/frmTest.h"
#include "exercises/letters/syllables/frmLevel25.h"
#include "platform/controls/PasswordBox.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/core/Paths.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Screen.h"
#include "shell/dialogs/frmLogin.h"
#include "shell/dialogs/frmNewUser.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/WhenModal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int Ok = 1;
constexpr int Information = 64;
const QString FullMarks = QStringLiteral("You got 10 out of 10");

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int effectiveLevel()
{
    return modMain::GetUserLevel(modMain::gUserName, false);
}

std::vector<int> digitsOf(int number)
{
    std::vector<int> digits;
    for (const QChar c : QString::number(number))
        digits.push_back(c.digitValue());
    return digits;
}

// The order tests' tiles in the alphabet's order, or backwards.
void chooseInOrder(frmTest &test, bool forwards)
{
    const int tiles = test.design().tiles;
    for (int n = 0; n < tiles; ++n) {
        const int letter = forwards ? n : tiles - 1 - n;
        for (int t = 0; t < tiles; ++t) {
            if (test.tileTag(t) == letter && test.tileEnabled(t)) {
                QTest::mouseClick(test.ImgLetter[std::size_t(t)], Qt::LeftButton);
                break;
            }
        }
    }
}

// The answer a learner works out from the sum a row shows.
int worked(const frmLevel20 &maths, std::size_t row)
{
    const int a = maths.pnlNumber[row][0]->Caption().toInt();
    const int b = maths.pnlNumber[row][1]->Caption().toInt();
    const QString op = maths.pnlNumberSymbol[row][0]->Caption();
    return op == "+" ? a + b : op == "-" ? a - b : op == "x" ? a * b : a / b;
}

} // namespace

CourseDriver::CourseDriver(const QString &programFolder, Sounds sounds)
{
    copyProgramFolder(programFolder);
    platform::setAppPath(m_folder.path());
    modMain::resetForTests();
    if (sounds == Sounds::EndAtOnce) {
        m_sounds = FakeSoundBackend::install();
        FakeSoundBackend::setAutoFinish(true);
    }
    exercises::letters::registerWindows();
    exercises::keyboard::registerWindows();

    m_solver.setInterval(5);
    QObject::connect(&m_solver, &QTimer::timeout, &m_solver, [this] { answerModal(); });
    m_solver.start();
}

CourseDriver::~CourseDriver()
{
    m_solver.stop();
    // An exercise window a failed test left open goes with the main window,
    // which outlives Main as in the program.
    for (const char *name : {"frmLevel10", "frmLevel12", "frmLevel20", "frmMain"})
        delete forms::Forms::find(QString::fromLatin1(name));
    settle();
    levels::clearWindows();
    modMain::resetForTests();
    platform::setAppPath(QString());
}

// The users database is the driver's own; the level databases and the media,
// which the program only reads, are linked. The program itself stays out.
void CourseDriver::copyProgramFolder(const QString &from)
{
    ASSERT_TRUE(m_folder.isValid());
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString to = m_folder.filePath(entry.fileName());
        if (entry.fileName() == QLatin1String("Kelvo.kdt")) {
            ASSERT_TRUE(QFile::copy(entry.filePath(), to));
        } else if (entry.fileName() != QLatin1String("ostrana")) {
            ASSERT_TRUE(QFile::link(entry.filePath(), to)) << entry.fileName().toStdString();
        }
    }
    ASSERT_TRUE(QFile::exists(m_folder.filePath(QStringLiteral("Kelvo.kdt"))));
}

void CourseDriver::startAsNewLearner(const QString &name, const QString &password)
{
    std::unique_ptr<WhenModal> newUser;
    WhenModal login([&](QWidget *modal) {
        auto *dialog = qobject_cast<frmLogin *>(modal);
        ASSERT_NE(dialog, nullptr);
        shown(*dialog, dialog->Caption());
        newUser = std::make_unique<WhenModal>([&](QWidget *next) {
            auto *create = qobject_cast<frmNewUser *>(next);
            ASSERT_NE(create, nullptr);
            shown(*create, create->Caption());
            QTest::keyClicks(create->txtUserName, name);
            QTest::keyClicks(create->txtPassword, password);
            click(create->cmdOK);
        });
        click(dialog->cmdNew);
        QTest::keyClicks(dialog->txtPassword, password);
        click(dialog->cmdOK);
    });
    modMain::Main();
    ASSERT_TRUE(login.done());
    ASSERT_EQ(modMain::gUserName, name);
    ASSERT_TRUE(main().isVisible());
    expectOnScreen(main(), QStringLiteral("the main window"));
    shown(main(), main().Caption());
}

frmMain &CourseDriver::main() const
{
    return *forms::Forms::find<frmMain>(QStringLiteral("frmMain"));
}

std::vector<QAction *> CourseDriver::levelItems() const
{
    const frmMain &form = main();
    std::vector<QAction *> items(form.mnuFileExercise1Item.begin(),
                                 form.mnuFileExercise1Item.end());
    for (QAction *item : {form.mnuFileExercise2, form.mnuFileExercise3, form.mnuFileExercise4,
                          form.mnuFileExercise5, form.mnuFileExercise6})
        items.push_back(item);
    items.insert(items.end(), form.mnuFileExercise7Item.begin(), form.mnuFileExercise7Item.end());
    items.insert(items.end(), form.mnuFileExercise8Item.begin(), form.mnuFileExercise8Item.end());
    return items;
}

std::vector<int> CourseDriver::enabledLevels() const
{
    std::vector<int> levels;
    const std::vector<QAction *> items = levelItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i]->isEnabled())
            levels.push_back(int(i) + 1);
    }
    return levels;
}

int CourseDriver::lessonShown() const
{
    const frmMain &form = main();
    if (!form.isVisible() || form.mnuFile->menuAction()->isVisible())
        return 0;
    return effectiveLevel();
}

void CourseDriver::play(int level)
{
    flush();
    const int shown = lessonShown();
    if (shown != 0) {
        EXPECT_EQ(shown, level) << "the lessons the level before led to";
        throughLesson();
    } else {
        choose(level);
        if (lessonShown() != 0)
            throughLesson();
        else
            passOpenWindow();
    }
    flush();
}

void CourseDriver::choose(int level)
{
    flush();
    QAction *item = levelItems().at(std::size_t(level - 1));
    EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
    // Items of Exercises 7 and 8 are reached through their submenus.
    if (level >= 14) {
        const QMenu *submenu = level >= 21 ? main().mnuFileExercise8 : main().mnuFileExercise7;
        EXPECT_TRUE(submenu->menuAction()->isEnabled());
    }
    item->trigger();
}

void CourseDriver::throughLesson()
{
    flush();
    frmMain &form = main();
    ASSERT_TRUE(form.pnl3dLetter->isVisible());
    ASSERT_FALSE(form.mnuFile->menuAction()->isVisible());
    shown(form, QStringLiteral("Lesson %1").arg(effectiveLevel()));
    for (int i = 1; i < modMain::gLetterCount; ++i)
        form.cmdNext->click();
    ASSERT_EQ(form.cmdNext->Caption(), QStringLiteral("&Test"));
    form.cmdNext->click();
}

// From the event loop of whichever modal exercise window is up: the order
// tests at once, the listening tests a step at a time as their sounds end.
void CourseDriver::answerModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    auto *order = qobject_cast<frmTest *>(modal);
    auto *listening = qobject_cast<frmListening *>(modal);
    auto *chart = qobject_cast<frmLevel25 *>(modal);
    if (order == nullptr && listening == nullptr && chart == nullptr)
        return;
    // A new window may take the place of one already answered.
    if (!modal->property("met").toBool()) {
        modal->setProperty("met", true);
        flush();
        met(*modal, dynamic_cast<forms::Form &>(*modal).Caption());
        done(effectiveLevel());
    }
    if (order != nullptr)
        answerOrderTest(*order);
    else if (listening != nullptr)
        answerListening(*listening);
    else
        lookThroughChart(*chart);
}

void CourseDriver::answerOrderTest(frmTest &test)
{
    if (test.property("answered").toBool())
        return;
    test.setProperty("answered", true);
    if (m_orderMistakes > 0) {
        for (int attempt = 0; attempt < m_orderMistakes; ++attempt) {
            chooseInOrder(test, false);
            click(test.cmdReset);
        }
        click(test.cmdExit);
        return;
    }
    const int stored = modMain::GetUserLevel(modMain::gUserName, true);
    m_boxes.expectExactly(
        stored < 8
            ? QStringLiteral("You Have Sucessfully Completed Level %1.").arg(stored)
            : QStringLiteral("Congratulations You Have Successfully Completed This Exercise"),
        0, Ok);
    chooseInOrder(test, true);
    // Practising the last level of an exercise leaves nothing to go on to.
    click(test.cmdNextLevel->isVisible() ? test.cmdNextLevel : test.cmdExit);
}

// Each letter heard out and its picture clicked, then "&Next Level".
void CourseDriver::answerListening(frmListening &test)
{
    controls::SSCommand *button = test.cmdRepeatLetter;
    if (!button->isEnabled())
        return;
    if (test.question() == test.design().questions) {
        if (button->Caption() == QLatin1String("&Next Level")) {
            click(button);
        } else {
            ADD_FAILURE() << test.lblCorrectOrFailed->text().toStdString();
            click(test.cmdBack);
        }
        return;
    }
    if (button->Caption() != QLatin1String("&Repeat Letter")) {
        click(button);
        return;
    }
    const int letter = test.testLetters().at(std::size_t(test.question()));
    for (int tile = 0; tile < int(test.ImgLetter.size()); ++tile) {
        if (test.tileTag(tile) == letter - 1) {
            click(test.ImgLetter[std::size_t(tile)]);
            return;
        }
    }
    ADD_FAILURE() << "no picture of letter " << letter;
    click(test.cmdBack);
}

// A syllable heard, the next consonant, and back to the main menu.
void CourseDriver::lookThroughChart(frmLevel25 &chart)
{
    if (!chart.idle())
        return;
    const int step = chart.property("step").toInt();
    chart.setProperty("step", step + 1);
    if (step == 0)
        click(chart.pnlLetter1.front());
    else if (step == 1)
        click(chart.cmdNextLetter);
    else
        click(chart.cmdBack);
}

void CourseDriver::passOpenWindow()
{
    if (forms::Forms::find(QStringLiteral("frmLevel10")) != nullptr)
        passSpelling();
    else if (forms::Forms::find(QStringLiteral("frmLevel12")) != nullptr)
        passNumbers();
    else if (forms::Forms::find(QStringLiteral("frmLevel20")) != nullptr)
        passMaths();
}

// The keyboard exercise's test, from "Start Test" to the mark: the keys of
// each question (0-based, as the keyboard shows them) as keysOf says, typed
// on the window's own keyboard, then "Next" or, at the last, "Mark Test";
// then "&Main Menu".
template <typename Window>
void CourseDriver::typeTestAndLeave(QPointer<Window> window,
                                    const std::function<std::vector<int>(int)> &keysOf)
{
    const int level = effectiveLevel();
    met(*window, window->Caption());
    EXPECT_FALSE(main().isVisible());
    click(window->cmdStartTest);
    frmKeyboard *keyboard = window->keyboard();
    ASSERT_NE(keyboard, nullptr);
    expectOnScreen(*keyboard, QStringLiteral("the keyboard"));
    shown(*keyboard, window->Caption() + QStringLiteral(" test"));
    keyboard->setHighlightPause(0);
    m_boxes.expectExactly(FullMarks, Information, Ok);
    for (int question = 1; question <= 10; ++question) {
        for (int key : keysOf(question))
            click(keyboard->ImgLetter.at(std::size_t(key)));
        click(question < 10 ? window->cmdNextWord : window->cmdMarkTest);
    }
    settle();
    EXPECT_EQ(window->keyboard(), nullptr);
    for (std::size_t mark = 0; mark < 10; ++mark)
        EXPECT_TRUE(window->imgMarked.at(mark)->isVisible()) << "mark " << mark + 1;
    click(window->cmdExit);
    settle();
    EXPECT_TRUE(window.isNull());
    done(level);
}

// The study page read, then each word heard spelled as the page showed it.
void CourseDriver::passSpelling()
{
    QPointer<frmLevel10> spelling = forms::Forms::find<frmLevel10>(QStringLiteral("frmLevel10"));
    ASSERT_FALSE(spelling.isNull());
    std::vector<std::vector<int>> studied;
    for (const auto &row : spelling->picWord) {
        std::vector<int> keys;
        for (const words::PictureCell *cell : row) {
            if (!cell->Tag().isEmpty()) {
                keys.push_back(cell->Tag().toInt() - 1);
                EXPECT_FALSE(cell->pixmap().isNull());
            }
        }
        EXPECT_GE(keys.size(), 2u) << "row " << studied.size() + 1;
        studied.push_back(keys);
    }
    typeTestAndLeave(spelling, [&](int question) {
        return studied.at(std::size_t(spelling->testPicks().at(std::size_t(question - 1)) - 1));
    });
}

// The learning page read and heard row by row, then each number heard typed
// on the digit keypad.
void CourseDriver::passNumbers()
{
    QPointer<frmLevel12> numbers = forms::Forms::find<frmLevel12>(QStringLiteral("frmLevel12"));
    ASSERT_FALSE(numbers.isNull());
    // "Numbers - 21 to 40": the range after 20; "Numbers - 1 to 100" is
    // asked from a page of text.
    const int first = numbers->Caption().section(u' ', 2, 2).toInt() - 1;
    const int last = numbers->Caption().section(u' ', 4, 4).toInt();
    const bool ranged = last - first == frmLevel12::StudyNumbers;
    for (std::size_t row = 0; ranged && row < numbers->picWord.size(); ++row) {
        const std::vector<int> digits = digitsOf(first + 1 + int(row));
        for (std::size_t cell = 0; cell < 3; ++cell) {
            const bool used = cell < digits.size();
            EXPECT_EQ(numbers->picWord[row][cell]->Tag(),
                      used ? QString::number(digits[cell]) : QString())
                << "row " << row + 1;
            EXPECT_EQ(numbers->picWord[row][cell]->pixmap().isNull(), !used);
        }
        click(numbers->cmdWordSound[row]);
        if (m_sounds != nullptr) {
            EXPECT_TRUE(QFile::exists(platform::localPath(FakeSoundBackend::playLog().last())))
                << "row " << row + 1;
        }
    }
    typeTestAndLeave(numbers, [&](int question) {
        return digitsOf(first + numbers->questionPosition(question));
    });
}

// Each sum worked out as its row is revealed.
void CourseDriver::passMaths()
{
    QPointer<frmLevel20> maths = forms::Forms::find<frmLevel20>(QStringLiteral("frmLevel20"));
    ASSERT_FALSE(maths.isNull());
    typeTestAndLeave(
        maths, [&](int question) { return digitsOf(worked(*maths, std::size_t(question - 1))); });
}

void CourseDriver::met(QWidget &window, const QString &caption)
{
    m_captions.append(caption);
    expectOnScreen(window, caption);
    shown(window, caption);
}

void CourseDriver::shown(QWidget &window, const QString &name)
{
    if (!onShown)
        return;
    const bool answering = m_solver.isActive();
    m_solver.stop();
    onShown(window, name);
    if (answering)
        m_solver.start();
}

void CourseDriver::expectOnScreen(const QWidget &window, const QString &name)
{
    const QRect screen(QPoint(0, 0), forms::Screen::sizeInPixels());
    EXPECT_TRUE(screen.contains(window.frameGeometry()))
        << name.toStdString() << " at " << window.frameGeometry().x() << ","
        << window.frameGeometry().y() << " " << window.frameGeometry().width() << "x"
        << window.frameGeometry().height() << " on " << screen.width() << "x" << screen.height();
}

void CourseDriver::done(int level)
{
    flush();
    m_pending = level;
}

void CourseDriver::flush()
{
    if (m_pending == 0)
        return;
    const int level = m_pending;
    m_pending = 0;
    m_lastDone = std::max(m_lastDone, level);
    if (main().isVisible())
        expectOnScreen(main(), QStringLiteral("the main window"));
    if (afterLevel)
        afterLevel(level);
}
