#include "exercises/letters/listening/frmListening.h"

#include "course/schema/Writer.h"
#include "exercises/letters/RegisterWindows.h"
#include "exercises/letters/listening/ListeningForms.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/db/Database.h"
#include "resources/StringTable.h"
#include "shell/levels/ExerciseWindows.h"
#include "shell/modMain.h"
#include "tests/exercises/letters/OrderFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/PressEnter.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TitleBarClose.h"

#include <QSet>
#include <QTest>

#include <iterator>
#include <memory>
#include <tuple>

namespace {

using services::MessageBoxAnswer::No;
using services::MessageBoxAnswer::Ok;
using services::MessageBoxAnswer::Yes;
constexpr int YesNoQuestion = 292;
constexpr quint32 FailedCell = 0xC0;
const QString Congratulations =
    QStringLiteral("Congratulations You Have Successfully Completed This Exercise");

class ListeningWindow : public OrderFixture
{
protected:
    ListeningWindow() { exercises::letters::registerWindows(); }
    ~ListeningWindow() override { levels::clearWindows(); }

    std::unique_ptr<frmListening> load(const char *formName)
    {
        std::unique_ptr<levels::ExerciseForm> made = levels::createWindow(formName);
        auto *form = dynamic_cast<frmListening *>(made.get());
        EXPECT_NE(form, nullptr);
        made.release();
        std::unique_ptr<frmListening> window(form);
        window->Load();
        window->Show();
        return window;
    }

    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    static void endSound(frmListening &form) { FakeSoundBackend::of(*form.LetterSound)->finish(); }

    // The picture of the letter played for the open question, or of another.
    static void answer(frmListening &form, bool right)
    {
        const int played = form.testLetters().at(std::size_t(form.question()));
        const int letter = right ? played : played % int(form.testLetters().size()) + 1;
        click(form.ImgLetter.at(std::size_t(letter - 1)));
    }

    // Opens each remaining question, hears it out and answers it; the
    // answers listed in wrong are wrong.
    static void answerAll(frmListening &form, const QSet<int> &wrong = {})
    {
        while (form.question() < form.design().questions) {
            click(form.cmdRepeatLetter);
            endSound(form);
            answer(form, !wrong.contains(form.question()));
        }
    }

    // The level's letters, and a pass mark of every answer right.
    void loadLevel(int level, int count)
    {
        OrderFixture::loadLevel(level, count);
        writePassMark(level, level == 9 ? 15 : 12);
    }

    void writePassMark(int level, int mark)
    {
        db::Database::openExisting(folder.levelDatabase(level))
            ->exec(QStringLiteral("DELETE FROM Exam"));
        schema::Writer(folder.levelDatabase(level)).addExam(1, mark);
    }

    ScreenSizeDouble screen{1024, 768};
};

TEST_F(ListeningWindow, QuestionsOpenOneByOneAfterTheirSoundAndUndoTakesBackAnAnswer)
{
    loadLevel(9, 34);
    std::unique_ptr<frmListening> form = load("frmLevel9");
    FakeSoundBackend *sound = FakeSoundBackend::of(*form->LetterSound);
    EXPECT_EQ(form->lblTestLetter->text(), "Letter 1 of 15");
    EXPECT_EQ(form->cmdRepeatLetter->Caption(), "&Start Test");
    EXPECT_EQ(QSet<int>(form->testLetters().begin(), form->testLetters().end()).size(), 15);

    // Before the test starts, and while its sound plays, letters take no click.
    click(form->ImgLetter[0]);
    EXPECT_FALSE(form->pnlBlank3->isVisible());
    click(form->cmdRepeatLetter);
    const int first = form->testLetters()[0];
    EXPECT_EQ(sound->openFile(), modMain::gLetters[std::size_t(first)].LetterSound);
    EXPECT_FALSE(form->cmdRepeatLetter->isEnabled());
    EXPECT_EQ(form->cmdRepeatLetter->Caption(), "&Repeat Letter");
    answer(*form, true);
    EXPECT_EQ(form->question(), 0);

    endSound(*form);
    EXPECT_TRUE(form->cmdRepeatLetter->isEnabled());
    answer(*form, false);
    EXPECT_EQ(form->question(), 1);
    EXPECT_EQ(form->pnlUser[0]->Tag(), "Failed");
    EXPECT_EQ(form->cmdRepeatLetter->Caption(), "&Next Letter");
    EXPECT_TRUE(form->cmdUndo->isVisible());

    // Undo reopens question 1 at once, its sound still held for a replay.
    click(form->cmdUndo);
    EXPECT_EQ(form->question(), 0);
    EXPECT_EQ(form->pnlUser[0]->Tag(), "");
    EXPECT_TRUE(form->picUser[0]->pixmap().isNull());
    EXPECT_FALSE(form->cmdUndo->isVisible());
    EXPECT_EQ(form->lblTestLetter->text(), "Letter 1 of 15");
    answer(*form, true);
    EXPECT_EQ(form->pnlUser[0]->Tag(), "Correct");
    EXPECT_EQ(letterShown(form->picUser[0]->pixmap()), first);

    // Answering during a replay: the replay's end does not open question 2
    // before its own sound has played.
    click(form->cmdRepeatLetter);
    endSound(*form);
    click(form->cmdRepeatLetter); // replay
    answer(*form, true);
    endSound(*form);
    answer(*form, true);
    EXPECT_EQ(form->question(), 2);
    click(form->cmdRepeatLetter);
    EXPECT_EQ(form->lblTestLetter->text(), "Letter 3 of 15");

    endSound(*form);
    answer(*form, true);
    while (form->question() < 14) {
        click(form->cmdRepeatLetter);
        endSound(*form);
        answer(*form, true);
    }
    EXPECT_EQ(form->cmdRepeatLetter->Caption(), "&Last Letter");
    click(form->cmdRepeatLetter);
    EXPECT_EQ(form->lblTestLetter->text(), "Letter 15 of 15");
    endSound(*form);
    answer(*form, true);

    // No undo after the last answer; all right passes and stores level 10.
    EXPECT_FALSE(form->cmdUndo->isVisible());
    EXPECT_EQ(form->lblCorrectOrFailed->text(), Congratulations);
    EXPECT_TRUE(form->lblCorrectOrFailed->isVisible());
    // The whole of it is seen, in a smaller letter than the designed one.
    const QLabel &result = *form->lblCorrectOrFailed;
    EXPECT_LE(QFontMetrics(result.font()).horizontalAdvance(Congratulations), result.width());
    EXPECT_LT(result.font().pointSizeF(), form->lblTestLetter->font().pointSizeF());
    EXPECT_FALSE(form->lblTestLetter->isVisible());
    EXPECT_EQ(storedLevel(), 10);
    EXPECT_EQ(form->cmdRepeatLetter->Caption(), "&Next Level");
    click(form->ImgLetter[0]);
    EXPECT_EQ(form->question(), 15);

    click(form->cmdRepeatLetter);
    EXPECT_EQ(form->Tag(), "Next Level");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ListeningWindow, TheRowIsMarkedAgainstThePassMarkReadOnce)
{
    loadLevel(9, 20);
    std::unique_ptr<frmListening> form = load("frmLevel9");

    // A pass mark of 15: 14 right out of 15 fail.
    click(form->cmdRepeatLetter);
    answerAll(*form, {6});
    EXPECT_EQ(form->lblCorrectOrFailed->text(), "Failed Test. Correct 14 out of 15");
    EXPECT_EQ(form->lblCorrectOrFailed->font(), form->lblTestLetter->font()) << "it fits";
    EXPECT_EQ(storedLevel(), 9);
    EXPECT_EQ(form->cmdRepeatLetter->Caption(), "&Start Test");
    EXPECT_TRUE(form->Text1->isVisible());
    EXPECT_TRUE(form->SSPanel1->isVisible());
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(form->pnlUser[std::size_t(i)]->BackColor(), i == 6 ? FailedCell : 0xFFFFFFu) << i;
        EXPECT_EQ(letterShown(form->picCorrect[std::size_t(i)]->pixmap()),
                  form->testLetters()[std::size_t(i)]);
    }
    EXPECT_NE(letterShown(form->picUser[6]->pixmap()), form->testLetters()[6]);

    // A pass mark of 10: a new test, 10 right answers pass.
    writePassMark(9, 10);
    click(form->cmdRepeatLetter);
    EXPECT_EQ(form->question(), 0);
    EXPECT_EQ(form->pnlUser[6]->BackColor(), 0xFFFFFFu);
    EXPECT_FALSE(form->SSPanel1->isVisible());
    answerAll(*form, {0, 1, 2, 3, 4});
    EXPECT_EQ(form->lblCorrectOrFailed->text(), Congratulations);
    EXPECT_EQ(storedLevel(), 10);

    // Leaving never asks here, whatever the state.
    MessageBoxScript boxes;
    click(form->cmdBack);
    EXPECT_EQ(form->Tag(), "Exited");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(ListeningWindow, TheVowelTestAsksOnLeavingAndAPassStoresTheLastLevel)
{
    loadLevel(12, 12);
    std::unique_ptr<frmListening> form = load("frmLevel19");
    EXPECT_EQ(form->lblTestLetter->text(), "Vowel 1 of 12");
    const QString leave = resources::LoadResString(112);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(leave, YesNoQuestion, No);
        click(form->cmdBack);
        EXPECT_TRUE(form->isVisible());
    }
    click(form->cmdRepeatLetter);
    endSound(*form);
    EXPECT_EQ(form->lblTestLetter->text(), "Vowel 1 of 12");
    answerAll(*form, {3});
    EXPECT_EQ(form->lblCorrectOrFailed->text(), "Failed Test. Correct 11 out of 12");
    EXPECT_EQ(form->pnlUser[3]->BackColor(), FailedCell);

    // After a failed test and a new start nothing asks until the first answer.
    click(form->cmdRepeatLetter);
    {
        MessageBoxScript boxes;
        click(form->cmdBack);
        EXPECT_EQ(form->Tag(), "Exit");
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(boxes.shown().isEmpty());
    }
    form->Show();
    endSound(*form);
    answer(*form, true);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(leave, YesNoQuestion, No);
        closeFromTitleBar(*form);
        EXPECT_TRUE(form->isLoaded());
    }
    answerAll(*form);
    EXPECT_EQ(storedLevel(), 25);
    EXPECT_EQ(form->cmdRepeatLetter->Caption(), "&Next Level");

    // Practising level 12 below the stored level moves only the practice level.
    modMain::gLevel = 12;
    std::unique_ptr<frmListening> practice = load("frmLevel19");
    click(practice->cmdRepeatLetter);
    answerAll(*practice);
    EXPECT_EQ(storedLevel(), 25);
    EXPECT_EQ(modMain::gLevel, 13);
}

TEST_F(ListeningWindow, EnterAgainAfterNoToLeavingKeepsTheTestWithoutAskingAgain)
{
    loadLevel(12, 12);
    std::unique_ptr<frmListening> form = load("frmLevel19");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    click(form->cmdRepeatLetter);
    endSound(*form);
    answer(*form, true);
    {
        MessageBoxScript boxes;
        boxes.expectExactly(resources::LoadResString(112), YesNoQuestion, No);
        click(form->cmdBack);
    }
    MessageBoxScript noBoxes;
    pressEnter();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->question(), 1);
    EXPECT_EQ(form->Tag(), "");
}

TEST_F(ListeningWindow, FewerLettersThanQuestionsEndTheProgramAsMissingLevelData)
{
    loadLevel(9, 14);
    std::unique_ptr<levels::ExerciseForm> form = levels::createWindow("frmLevel9");
    ASSERT_NE(form, nullptr);
    MessageBoxScript boxes;
    boxes.expectExactly("No Letters exists in the file", 48, Ok);
    ProgramEndCatcher end;
    EXPECT_THROW(form->Load(), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
}

// Designed taller than a screen of 800 x 600, the window closes up there:
// each row below the letters follows the one above, the buttons come last,
// and the window with a title bar fits on the screen.
TEST_F(ListeningWindow, OnAn800x600ScreenTheRowsCloseUpAndTheWindowFits)
{
    screen.setSize(800, 600);
    for (const auto &[name, level, letters] :
         {std::tuple{"frmLevel9", 9, 34}, std::tuple{"frmLevel19", 12, 12}}) {
        SCOPED_TRACE(name);
        loadLevel(level, letters);
        std::unique_ptr<frmListening> form = load(name);
        click(form->cmdRepeatLetter);
        answerAll(*form);
        ASSERT_TRUE(form->SSPanel1->isVisible());

        for (const controls::SSPanel *tile : form->pnlLetter)
            EXPECT_LE(tile->geometry().bottom(), form->pnlBlank1->height());
        const QWidget *rows[] = {form->pnlBlank1, form->lblCorrectOrFailed, form->pnlBlank3,
                                 form->Text1,     form->SSPanel1,           form->cmdRepeatLetter};
        for (std::size_t i = 1; i < std::size(rows); ++i)
            EXPECT_LE(rows[i - 1]->y() + rows[i - 1]->height(), rows[i]->y()) << i;
        EXPECT_EQ(form->cmdBack->y(), form->cmdRepeatLetter->y());
        EXPECT_LE(form->cmdBack->y() + form->cmdBack->height(), form->height());
        EXPECT_LE(form->height() + 30, 600);
        EXPECT_TRUE(QRect(0, 0, 800, 600).contains(form->frameGeometry()));
    }
}

TEST_F(ListeningWindow, TheFourthRowOfLettersIsCentredUnderTheOthers)
{
    loadLevel(9, 34);
    std::unique_ptr<frmListening> form = load("frmLevel9");
    EXPECT_EQ(form->ScaleWidth(), 7755);
    EXPECT_EQ(form->pnlLetter[30]->Left(), 2280);
    EXPECT_EQ(form->pnlLetter[33]->Left(), 4440);
    EXPECT_EQ(form->pnlLetter[33]->Top(), 2760);
}

} // namespace
