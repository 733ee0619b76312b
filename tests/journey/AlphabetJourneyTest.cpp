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
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/core/Paths.h"
#include "platform/db/Database.h"
#include "platform/db/Statement.h"
#include "platform/forms/Forms.h"
#include "resources/StringTable.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ModalWatchdog.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int Ok = 1;
constexpr int Exclamation = 48;

// A copy of the generated program folder, so the learner's users database is
// the test's own.
class AlphabetJourney : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QDir source(QStringLiteral(OSTRANA_PROGRAM_FOLDER));
        QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString relative = source.relativeFilePath(from);
            if (relative == QLatin1String("ostrana"))
                continue;
            const QString to = folder.filePath(relative);
            QDir().mkpath(QFileInfo(to).absolutePath());
            ASSERT_TRUE(QFile::copy(from, to)) << relative.toStdString();
        }
        platform::setAppPath(folder.path());
        modMain::resetForTests();
        modMain::gDbPath = folder.filePath(QStringLiteral("Kelvo.kdt"));
        modMain::OpenUserDatabase();
        ASSERT_EQ(modMain::AddUser(QStringLiteral("Ravi"), QStringLiteral("pw")), -1);
        modMain::gUserName = QStringLiteral("Ravi");
        modMain::SetLevel(-1);
        exercises::letters::registerWindows();
        exercises::keyboard::registerWindows();

        form.Load();
        form.EnableDisableMenus(true);
        form.Show();
    }

    void TearDown() override
    {
        levels::clearWindows();
        modMain::resetForTests();
        platform::setAppPath(QString());
    }

    static int stored() { return modMain::GetUserLevel(modMain::gUserName, true); }

    // Through the lesson on screen to its last letter, and on into the test.
    void throughTheLesson()
    {
        ASSERT_TRUE(form.pnl3dLetter->isVisible());
        ASSERT_FALSE(form.mnuFile->menuAction()->isVisible());
        const int letters = modMain::gLetterCount;
        for (int i = 1; i < letters; ++i)
            form.cmdNext->click();
        ASSERT_EQ(form.cmdNext->Caption(), QStringLiteral("&Test"));
        form.cmdNext->click();
    }

    // Answers every order test that comes up: the tiles in the alphabet's
    // order (or backwards, wrongOrders times), then the way out.
    void answerTests(int wrongOrders)
    {
        solver.setInterval(10);
        QObject::connect(&solver, &QTimer::timeout, &solver, [this, wrongOrders] {
            auto *test = qobject_cast<frmTest *>(QApplication::activeModalWidget());
            // A new window may take the place of one already answered.
            if (test == nullptr || test->property("answered").toBool())
                return;
            test->setProperty("answered", true);
            captions.append(test->Caption());
            const int tiles = test->design().tiles;
            for (int attempt = 0; attempt < wrongOrders; ++attempt) {
                chooseInOrder(*test, tiles, false);
                test->cmdReset->click();
            }
            if (wrongOrders > 0) {
                test->cmdExit->click();
                return;
            }
            chooseInOrder(*test, tiles, true);
            EXPECT_TRUE(test->cmdNextLevel->isVisible()) << test->Caption().toStdString();
            test->cmdNextLevel->click();
        });
        solver.start();
    }

    static void chooseInOrder(frmTest &test, int tiles, bool forwards)
    {
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

    QTemporaryDir folder;
    // Recordings end as soon as they start.
    std::unique_ptr<FakeSoundBackend::Installation> sounds = [] {
        auto installed = FakeSoundBackend::install();
        FakeSoundBackend::setAutoFinish(true);
        return installed;
    }();
    ModalWatchdog watchdog{120000};
    frmMain form;
    QTimer solver;
    QStringList captions;
};

TEST_F(AlphabetJourney, ANewLearnerPassesEveryAlphabetLevelToTheListeningTest)
{
    MessageBoxScript boxes;
    for (int level = 1; level <= 7; ++level)
        boxes.expectExactly(QStringLiteral("You Have Sucessfully Completed Level %1.").arg(level),
                            0, Ok);
    // The last level of the alphabet ends the exercise.
    boxes.expectExactly(
        QStringLiteral("Congratulations You Have Successfully Completed This Exercise"), 0, Ok);
    answerTests(0);

    // Level 1 from the menu, then each pass leads on by itself: into the next
    // lessons, or straight into the next test.
    form.mnuFileExercise1Item[0]->trigger();
    for (int lessonLevel : {1, 2, 4, 6}) {
        SCOPED_TRACE(lessonLevel);
        ASSERT_EQ(modMain::GetUserLevel(modMain::gUserName, false), lessonLevel);
        throughTheLesson();
    }

    EXPECT_EQ(captions,
              (QStringList{"Level 1 - KA to ZA", "Level 2 - TA to NA", "Level 3 - KA to NA",
                           "Level 4 - PA to LA", "Level 5 - TA to LA", "Level 6 - VA to GNA",
                           "Level 7 - PA to GNA", "Level 8 - KA to GNA"}));
    EXPECT_EQ(stored(), 9);
    EXPECT_EQ(modMain::gLevel, 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.mnuFileExercise2->isEnabled());
    EXPECT_TRUE(form.mnuFileExercise1Item[7]->isEnabled());
    EXPECT_FALSE(form.mnuFileExercise3->isEnabled());
}

TEST_F(AlphabetJourney, ATestFailedThreeTimesStoresNothing)
{
    MessageBoxScript boxes;
    boxes.expectExactly(resources::LoadResString(107), Exclamation, Ok);
    boxes.expectExactly(resources::LoadResString(107), Exclamation, Ok);
    boxes.expectExactly(resources::LoadResString(108), Exclamation, Ok);
    boxes.expectExactly(resources::LoadResString(109), Exclamation, Ok);
    answerTests(3);

    form.mnuFileExercise1Item[0]->trigger();
    throughTheLesson();

    EXPECT_EQ(captions, QStringList{"Level 1 - KA to ZA"});
    EXPECT_EQ(stored(), 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_FALSE(form.mnuFileExercise1Item[1]->isEnabled());
}

} // namespace

namespace {

// Vowels and the first numbers are order tests too; each pass ends at home.
TEST_F(AlphabetJourney, TheVowelsAndTheFirstNumbersArePassedToTheInformationScreen)
{
    MessageBoxScript boxes;
    boxes.expect(QStringLiteral("Completed"), 0, Ok);
    boxes.expect(QStringLiteral("Completed"), 0, Ok);
    answerTests(0);

    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, 11), -1);
    form.EnableDisableMenus(true);
    form.mnuFileExercise4->trigger();
    throughTheLesson();
    EXPECT_EQ(stored(), 12);
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.mnuFileExercise5->isEnabled());

    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, 14), -1);
    form.EnableDisableMenus(true);
    form.mnuFileExercise7Item[0]->trigger();
    throughTheLesson();
    EXPECT_EQ(stored(), 15);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.mnuFileExercise7Item[1]->isEnabled());
    EXPECT_EQ(captions, (QStringList{"Vowels", "Numbers - 1 to 10"}));
}

} // namespace

namespace {

// One step of a learner who hears each letter out and picks it, then leaves
// with "&Main Menu".
void listenAndPick(frmListening &test)
{
    controls::SSCommand *button = test.cmdRepeatLetter;
    if (!button->isEnabled())
        return;
    if (test.question() == test.design().questions) {
        test.cmdBack->click();
    } else if (button->Caption() == QLatin1String("&Repeat Letter")) {
        const int letter = test.testLetters().at(std::size_t(test.question()));
        QTest::mouseClick(test.ImgLetter.at(std::size_t(letter - 1)), Qt::LeftButton);
    } else {
        button->click();
    }
}

TEST_F(AlphabetJourney, ALearnerAtLevel9PassesTheListeningTestFromTheMenu)
{
    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, 9), -1);
    form.EnableDisableMenus(true);
    ASSERT_FALSE(form.mnuFileExercise3->isEnabled());
    QObject::connect(&solver, &QTimer::timeout, &solver, [this] {
        if (auto *test = qobject_cast<frmListening *>(QApplication::activeModalWidget())) {
            if (captions.isEmpty())
                captions.append(test->Caption());
            listenAndPick(*test);
        }
    });
    solver.start(5);

    MessageBoxScript boxes;
    form.mnuFileExercise2->trigger();

    EXPECT_EQ(captions, QStringList{"Listening"});
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(stored(), 10);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.mnuFileExercise3->isEnabled());
}

} // namespace

namespace {

// The key numbers of a word, as the level database spells it.
std::vector<int> spellingOf(int wordId)
{
    const auto database = db::Database::openExisting(modMain::gLevelDbPath);
    db::Statement letters(*database,
                          QStringLiteral("select KeyboardId from WordLetter where WordID = %1 "
                                         "order by Id")
                              .arg(wordId));
    std::vector<int> keys;
    while (letters.step())
        keys.push_back(letters.value(0).toLong());
    return keys;
}

TEST_F(AlphabetJourney, ALearnerAtLevel10SpellsTenWordsOnTheKeyboardAndReachesLevel11)
{
    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, 10), -1);
    form.EnableDisableMenus(true);
    ASSERT_TRUE(form.mnuFileExercise3->isEnabled());
    ASSERT_FALSE(form.mnuFileExercise4->isEnabled());

    form.mnuFileExercise3->trigger();
    QPointer<frmLevel10> spelling = forms::Forms::find<frmLevel10>(QStringLiteral("frmLevel10"));
    ASSERT_NE(spelling.data(), nullptr);
    EXPECT_TRUE(spelling->isVisible());
    EXPECT_FALSE(form.isVisible());

    // The study page: twenty words of the course, each row spelled as stored.
    for (std::size_t row = 0; row < 20; ++row) {
        const std::vector<int> keys = spellingOf(spelling->studyWordIds().at(row));
        ASSERT_GE(keys.size(), 2u);
        for (std::size_t cell = 0; cell < keys.size(); ++cell) {
            EXPECT_EQ(spelling->picWord[row][cell]->Tag(), QString::number(keys[cell]));
            EXPECT_FALSE(spelling->picWord[row][cell]->pixmap().isNull());
        }
    }

    QTest::mouseClick(spelling->cmdStartTest, Qt::LeftButton);
    frmKeyboard *keyboard = spelling->keyboard();
    ASSERT_NE(keyboard, nullptr);
    EXPECT_TRUE(keyboard->isVisible());
    keyboard->setHighlightPause(0);

    MessageBoxScript boxes;
    boxes.expectExactly(QStringLiteral("You got 10 out of 10"), 64, Ok);
    for (int question = 1; question <= 10; ++question) {
        const int position = spelling->testPicks().at(std::size_t(question - 1));
        for (int key : spellingOf(spelling->studyWordIds().at(std::size_t(position - 1))))
            QTest::mouseClick(keyboard->ImgLetter.at(std::size_t(key - 1)), Qt::LeftButton);
        QTest::mouseClick(question < 10 ? spelling->cmdNextWord : spelling->cmdMarkTest,
                          Qt::LeftButton);
    }
    EXPECT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(stored(), 11);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(spelling->keyboard(), nullptr);
    for (int mark = 0; mark < 10; ++mark)
        EXPECT_TRUE(spelling->imgMarked.at(std::size_t(mark))->isVisible());

    QTest::mouseClick(spelling->cmdExit, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(spelling.isNull());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.ssPnlInfo->isVisible());
    EXPECT_TRUE(form.mnuFileExercise4->isEnabled());
}

TEST_F(AlphabetJourney, ALearnerAtLevel15PassesEveryNumbersLevelAndReachesLevel21)
{
    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, 15), -1);
    form.EnableDisableMenus(true);
    const auto digitsOf = [](int number) {
        std::vector<int> digits;
        for (const QChar c : QString::number(number))
            digits.push_back(c.digitValue());
        return digits;
    };
    const QStringList levelCaptions{"Numbers - 1 to 20",   "Numbers - 21 to 40",
                                    "Numbers - 41 to 60",  "Numbers - 61 to 80",
                                    "Numbers - 81 to 100", "Numbers - 1 to 100"};

    for (int level = 15; level <= 20; ++level) {
        SCOPED_TRACE(level);
        // Levels 15 to 19 are ranges of twenty; level 20 asks all of 1 to 100.
        const int first = level < 20 ? 20 * (level - 15) : 0;
        ASSERT_TRUE(form.mnuFileExercise7Item[std::size_t(level - 14)]->isEnabled());
        form.mnuFileExercise7Item[std::size_t(level - 14)]->trigger();
        QPointer<frmLevel12> numbers = forms::Forms::find<frmLevel12>(QStringLiteral("frmLevel12"));
        ASSERT_NE(numbers.data(), nullptr);
        EXPECT_EQ(numbers->Caption(), levelCaptions.at(level - 15));
        EXPECT_FALSE(form.isVisible());

        // The learning page: the range in the course's digits, each row heard
        // in a recording of the program folder.
        for (std::size_t row = 0; level < 20 && row < 20; ++row) {
            const std::vector<int> digits = digitsOf(first + 1 + int(row));
            for (std::size_t cell = 0; cell < 3; ++cell) {
                const bool used = cell < digits.size();
                EXPECT_EQ(numbers->picWord[row][cell]->Tag(),
                          used ? QString::number(digits[cell]) : QString());
                EXPECT_EQ(numbers->picWord[row][cell]->pixmap().isNull(), !used);
            }
            QTest::mouseClick(numbers->cmdWordSound[row], Qt::LeftButton);
            EXPECT_TRUE(QFile::exists(platform::localPath(FakeSoundBackend::playLog().last())))
                << "row " << row + 1;
        }

        QTest::mouseClick(numbers->cmdStartTest, Qt::LeftButton);
        frmKeyboard *keypad = numbers->keyboard();
        ASSERT_NE(keypad, nullptr);
        keypad->setHighlightPause(0);
        MessageBoxScript boxes;
        boxes.expectExactly(QStringLiteral("You got 10 out of 10"), 64, Ok);
        for (int question = 1; question <= 10; ++question) {
            for (int digit : digitsOf(first + numbers->questionPosition(question)))
                QTest::mouseClick(keypad->ImgLetter.at(std::size_t(digit)), Qt::LeftButton);
            QTest::mouseClick(question < 10 ? numbers->cmdNextWord : numbers->cmdMarkTest,
                              Qt::LeftButton);
        }
        EXPECT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(stored(), level + 1);

        QTest::mouseClick(numbers->cmdExit, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(numbers.isNull());
        EXPECT_TRUE(form.isVisible());
    }
    EXPECT_TRUE(form.mnuFileExercise8->isEnabled());
}

// The answer a learner works out from the sum a row shows.
int worked(const frmLevel20 &maths, std::size_t row)
{
    const int a = maths.pnlNumber[row][0]->Caption().toInt();
    const int b = maths.pnlNumber[row][1]->Caption().toInt();
    const QString op = maths.pnlNumberSymbol[row][0]->Caption();
    return op == "+" ? a + b : op == "-" ? a - b : op == "x" ? a * b : a / b;
}

TEST_F(AlphabetJourney, ALearnerAtLevel21WorksOutEveryMathsLevelAndReachesLevel26)
{
    ASSERT_EQ(modMain::AdvanceUserLevel(modMain::gUserName, 21), -1);
    form.EnableDisableMenus(true);
    ASSERT_FALSE(form.mnuFileExercise8Item[1]->isEnabled());
    const QStringList mathsCaptions = {"Maths - Plus", "Maths - Minus", "Maths - Mulitplication",
                                       "Maths - Division", "Maths - All"};
    for (int level = 21; level <= 25; ++level) {
        SCOPED_TRACE(level);
        QAction *item = form.mnuFileExercise8Item.at(std::size_t(level - 21));
        ASSERT_TRUE(item->isEnabled());
        item->trigger();
        QPointer<frmLevel20> maths = forms::Forms::find<frmLevel20>(QStringLiteral("frmLevel20"));
        ASSERT_NE(maths.data(), nullptr);
        EXPECT_EQ(maths->Caption(), mathsCaptions[level - 21]);
        EXPECT_FALSE(form.isVisible());

        QTest::mouseClick(maths->cmdStartTest, Qt::LeftButton);
        frmKeyboard *keypad = maths->keyboard();
        ASSERT_NE(keypad, nullptr);
        keypad->setHighlightPause(0);
        MessageBoxScript boxes;
        boxes.expectExactly(QStringLiteral("You got 10 out of 10"), 64, Ok);
        for (std::size_t row = 0; row < 10; ++row) {
            for (const QChar digit : QString::number(worked(*maths, row)))
                QTest::mouseClick(keypad->ImgLetter.at(std::size_t(digit.digitValue())),
                                  Qt::LeftButton);
            QTest::mouseClick(row < 9 ? maths->cmdNextWord : maths->cmdMarkTest, Qt::LeftButton);
        }
        EXPECT_EQ(boxes.shown().size(), 1);
        EXPECT_EQ(stored(), level + 1);

        QTest::mouseClick(maths->cmdExit, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(maths.isNull());
        EXPECT_TRUE(form.isVisible());
    }
    for (QMenu *menu :
         {form.mnuFile, form.mnuFileExercise1, form.mnuFileExercise7, form.mnuFileExercise8}) {
        for (const QAction *action : menu->actions())
            EXPECT_TRUE(action->isSeparator() || action->isEnabled())
                << action->text().toStdString();
    }
}

} // namespace
