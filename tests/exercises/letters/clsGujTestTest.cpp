#include "exercises/letters/order/clsGujTest.h"

#include "exercises/letters/order/OrderControls.h"
#include "resources/StringTable.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"
#include "tests/exercises/letters/OrderFixture.h"

#include <QStringList>

#include <algorithm>
#include <set>

namespace {

// The window's side of the engine, as plain state.
class Board final : public order::OrderBoard, public order::Reward
{
public:
    explicit Board(int n)
        : pictures(std::size_t(n))
        , tags(std::size_t(n), -1)
        , enabled(std::size_t(n), true)
        , bevel(std::size_t(n), 2)
        , frame(std::size_t(n), 0xE0E0E0)
        , answers(std::size_t(n))
        , answerShown(std::size_t(n), false)
        , order(std::size_t(n))
    {}

    int tileCount() const override { return int(pictures.size()); }
    QPixmap tilePicture(int t) const override { return pictures.at(std::size_t(t)); }
    void setTilePicture(int t, const QPixmap &p) override { pictures.at(std::size_t(t)) = p; }
    int tileTag(int t) const override { return tags.at(std::size_t(t)); }
    void setTileTag(int t, int letter) override { tags.at(std::size_t(t)) = letter; }
    void setTileEnabled(int t, bool on) override { enabled.at(std::size_t(t)) = on; }
    void setTileFrame(int t, int b, quint32 colour) override
    {
        bevel.at(std::size_t(t)) = b;
        frame.at(std::size_t(t)) = colour;
    }
    void setAnswerPicture(int s, const QPixmap &p) override { answers.at(std::size_t(s)) = p; }
    void setAnswerVisible(int s, bool on) override { answerShown.at(std::size_t(s)) = on; }
    void setOrderPicture(int s, const QPixmap &p) override { order.at(std::size_t(s)) = p; }
    void setCorrectOrderVisible(bool on) override { correctOrderShown = on; }
    void setUndoVisible(bool on) override { undo = on; }
    void setResetVisible(bool on) override { reset = on; }
    void setNextLevelVisible(bool on) override { nextLevel = on; }
    void stopInstructions() override { instructions = false; }
    void setDoNotDisplayMsgBox(bool on) override { doNotDisplayMsgBox = on; }
    void message(const QString &text, int style) override
    {
        messages << text;
        styles << style;
        rewardDuringMessage << rewardRunning;
    }

    void prepareReward(const QString &animation, const QString &sound) override
    {
        rewardFiles = {animation, sound};
    }
    void startReward() override { rewardRunning = true; }
    void stopReward() override { rewardRunning = false; }

    // The tile that shows letter number k (0-based).
    int tileOf(int k) const { return int(std::find(tags.begin(), tags.end(), k) - tags.begin()); }

    std::vector<QPixmap> pictures;
    std::vector<int> tags;
    std::vector<bool> enabled;
    std::vector<int> bevel;
    std::vector<quint32> frame;
    std::vector<QPixmap> answers;
    std::vector<bool> answerShown;
    std::vector<QPixmap> order;
    bool correctOrderShown = false;
    bool undo = false;
    bool reset = true;
    bool nextLevel = false;
    bool instructions = true;
    bool doNotDisplayMsgBox = false;
    QStringList messages;
    QList<int> styles;
    QList<bool> rewardDuringMessage;
    QStringList rewardFiles;
    bool rewardRunning = false;
};

QString text(int id)
{
    return resources::LoadResString(id);
}

class Engine : public OrderFixture
{
protected:
    // Chooses the letters last to first: a wrong order whatever the deal.
    static void chooseBackwards(clsGujTest &test, Board &board)
    {
        for (int k = test.letterCount() - 1; k >= 0; --k)
            test.CheckIfCorrect(board.tileOf(k), board, board);
    }

    static void chooseInOrder(clsGujTest &test, Board &board)
    {
        for (int k = 0; k < test.letterCount(); ++k)
            test.CheckIfCorrect(board.tileOf(k), board, board);
    }

    static std::vector<int> shownLetters(const std::vector<QPixmap> &row)
    {
        std::vector<int> letters;
        for (const QPixmap &picture : row)
            letters.push_back(letterShown(picture));
        return letters;
    }
};

TEST_F(Engine, DealsEveryLetterOnceAndDealsAfreshOnReset)
{
    loadLevel(1, 8);
    clsGujTest test;
    Board board(8);

    test.LoadLetters(board, false);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(board.tags[std::size_t(i)], i);
        EXPECT_EQ(letterShown(board.pictures[std::size_t(i)]), i + 1);
    }

    std::set<std::vector<int>> deals;
    for (int round = 0; round < 6; ++round) {
        test.Reset(board);
        std::vector<int> sorted = board.tags;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(letterShown(board.pictures[std::size_t(i)]), board.tags[std::size_t(i)] + 1);
        deals.insert(board.tags);
    }
    // Six deals of 8 letters in a row that are all alike mean a generator
    // seeded again for every deal.
    EXPECT_GT(deals.size(), 1u);

    // The deal has handed out every number: nothing is left to draw.
    EXPECT_EQ(test.GetRandomNumber(), 0);
    EXPECT_EQ(test.GetRandomNumber(), 0);
    EXPECT_TRUE(modErrors::gErrMsg.isEmpty()) << modErrors::gErrMsg.toStdString();
}

TEST_F(Engine, ThreeWrongOrdersFailWithTheCorrectOrderShownAndResetGivesNoAttemptBack)
{
    loadLevel(2, 10);
    clsGujTest test;
    Board board(10);
    test.LoadLetters(board, true);

    test.CheckIfCorrect(board.tileOf(3), board, board);
    EXPECT_TRUE(board.undo);
    EXPECT_FALSE(board.doNotDisplayMsgBox);
    EXPECT_FALSE(board.enabled[std::size_t(board.tileOf(3))]);
    EXPECT_EQ(board.frame[std::size_t(board.tileOf(3))], 0xC0FFFFu);
    EXPECT_EQ(letterShown(board.answers[0]), 4);
    test.Reset(board); // an unfinished row: the attempt is not spent
    EXPECT_EQ(test.attempts(), 0);

    chooseBackwards(test, board);
    EXPECT_EQ(board.messages, QStringList{text(107)});
    EXPECT_EQ(board.styles, QList<int>{48});
    EXPECT_EQ(test.attempts(), 1);
    EXPECT_EQ(test.position(), 0);
    EXPECT_TRUE(board.doNotDisplayMsgBox);
    EXPECT_FALSE(board.undo);
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(board.enabled[std::size_t(i)]);
        EXPECT_EQ(board.bevel[std::size_t(i)], 2);
        EXPECT_EQ(board.frame[std::size_t(i)], 0xE0E0E0u);
        EXPECT_FALSE(board.answerShown[std::size_t(i)]);
    }

    board.messages.clear();
    chooseBackwards(test, board);
    EXPECT_EQ(board.messages, (QStringList{text(107), text(108)}));
    EXPECT_EQ(test.attempts(), 2);

    test.Reset(board);
    EXPECT_EQ(test.attempts(), 2);
    board.messages.clear();
    chooseBackwards(test, board);
    EXPECT_EQ(board.messages, QStringList{text(109)});
    EXPECT_FALSE(board.instructions);
    EXPECT_TRUE(board.correctOrderShown);
    EXPECT_EQ(shownLetters(board.order), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(board.nextLevel);
    EXPECT_FALSE(board.reset);
    EXPECT_TRUE(
        std::none_of(board.enabled.begin(), board.enabled.end(), [](bool on) { return on; }));
    EXPECT_EQ(test.attempts(), 2);
    EXPECT_EQ(storedLevel(), 2);
}

TEST_F(Engine, UndoBackToAnEmptyRowMakesLeavingSilent)
{
    loadLevel(1, 8);
    clsGujTest test;
    Board board(8);
    test.LoadLetters(board, true);

    test.Undo(board); // nothing to take back
    EXPECT_EQ(test.position(), 0);

    const int first = board.tileOf(0);
    const int second = board.tileOf(5);
    test.CheckIfCorrect(first, board, board);
    test.CheckIfCorrect(second, board, board);
    test.Undo(board);
    EXPECT_EQ(test.position(), 1);
    EXPECT_TRUE(board.enabled[std::size_t(second)]);
    EXPECT_FALSE(board.enabled[std::size_t(first)]);
    EXPECT_FALSE(board.answerShown[1]);
    EXPECT_TRUE(board.answers[1].isNull());
    EXPECT_TRUE(board.undo);
    EXPECT_FALSE(board.doNotDisplayMsgBox);

    test.Undo(board);
    EXPECT_EQ(test.position(), 0);
    EXPECT_TRUE(board.enabled[std::size_t(first)]);
    EXPECT_EQ(board.bevel[std::size_t(first)], 2);
    EXPECT_EQ(board.frame[std::size_t(first)], 0xE0E0E0u);
    EXPECT_FALSE(board.undo);
    EXPECT_TRUE(board.doNotDisplayMsgBox);

    // The row fills again from its first slot; the order still counts.
    chooseInOrder(test, board);
    ASSERT_EQ(board.messages.size(), 1);
    EXPECT_EQ(board.messages[0], text(106).replace("%s", "1"));
}

TEST_F(Engine, APassRewardsWhileItsMessageIsOpenAndStoresTheNextLevel)
{
    loadLevel(3, 18);
    clsGujTest test;
    Board board(18);
    test.LoadLetters(board, true);
    test.Initialise(board);
    EXPECT_TRUE(board.rewardFiles[0].endsWith("/test/congratulations.gif"));
    EXPECT_TRUE(board.rewardFiles[1].endsWith("/test/Applause.mp3"));

    chooseInOrder(test, board);
    EXPECT_EQ(board.messages, QStringList{"You Have Sucessfully Completed Level 3."});
    EXPECT_EQ(board.styles, QList<int>{0});
    EXPECT_EQ(board.rewardDuringMessage, QList<bool>{true});
    EXPECT_FALSE(board.rewardRunning);
    EXPECT_FALSE(board.instructions);
    EXPECT_EQ(storedLevel(), 4);
    EXPECT_TRUE(board.nextLevel);
    EXPECT_FALSE(board.reset);
    EXPECT_FALSE(board.undo);
    EXPECT_TRUE(board.doNotDisplayMsgBox);
    // The correct-order row is filled, but nothing of it shows.
    EXPECT_FALSE(board.correctOrderShown);
    EXPECT_EQ(letterShown(board.order[0]), 1);
    EXPECT_EQ(letterShown(board.order[17]), 18);
}

// One letter: the first choice is the last, and passes.
TEST_F(Engine, APassWhilePractisingMovesOnlyThePracticeLevelAndMayHideTheNextLevel)
{
    struct Case
    {
        int stored;
        int practice;
        const char *message;
        bool nextLevel;
    };
    const Case cases[] = {
        {5, 2, "You Have Sucessfully Completed Level 5.", true},
        {8, 0, "Congratulations You Have Successfully Completed This Exercise", true},
        {10, 8, "Congratulations You Have Successfully Completed This Exercise", false},
        {12, 8, "Congratulations You Have Successfully Completed This Exercise", false},
        {12, 11, "Congratulations You Have Successfully Completed This Exercise", false},
        {14, 9, "Congratulations You Have Successfully Completed This Exercise", true},
    };
    loadLevel(1, 1);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "stored " << c.stored << ", practice " << c.practice);
        storeLevel(c.stored);
        modMain::gLevel = c.practice;
        clsGujTest test;
        Board board(1);
        test.LoadLetters(board, true);
        test.CheckIfCorrect(0, board, board);

        EXPECT_EQ(board.messages, QStringList{c.message});
        EXPECT_EQ(board.nextLevel, c.nextLevel);
        EXPECT_EQ(storedLevel(), c.practice == 0 ? c.stored + 1 : c.stored);
        EXPECT_EQ(modMain::gLevel, c.practice == 0 ? 0 : c.practice + 1);
        modMain::gLevel = 0;
    }
}

} // namespace
