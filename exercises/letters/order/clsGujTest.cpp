#include "exercises/letters/order/clsGujTest.h"

#include "exercises/letters/order/OrderControls.h"
#include "platform/controls/LoadPicture.h"
#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/services/DrawGenerator.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/Guarded.h"
#include "shell/levels/LevelTable.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace {

constexpr quint32 ChosenFrame = 0xC0FFFF;
constexpr quint32 FreeFrame = 0xE0E0E0;
constexpr int Inset = 1;
constexpr int Raised = 2;

// The next-level button after a pass: a learner practising below the
// stored level may practise the last level of an exercise, which has
// nothing to go on to from here.
bool offersNextLevel(int storedBefore, int practice)
{
    const levels::LevelRow *practised = levels::row(practice);
    return practised == nullptr || storedBefore <= practice || practised->nextLevelWhilePractising;
}

} // namespace

clsGujTest::clsGujTest()
    : m_count(std::max(0, modMain::gLetterCount))
    , mintChosenIds(std::size_t(m_count), 0)
    , mintDrawn(std::size_t(m_count) + 1, 0)
    , mintChosenTiles(std::size_t(m_count), 0)
{}

void clsGujTest::LoadLetters(order::LetterTiles &rImgLetter, bool vblnRandomise)
{
    guarded([&] {
        mintDrawn.assign(std::size_t(m_count) + 1, 0);
        mintChosenTiles.assign(std::size_t(m_count), 0);
        for (int i = 0; i < m_count; ++i) {
            const int k = vblnRandomise ? GetRandomNumber() : i + 1;
            if (i >= rImgLetter.tileCount() || k < 1 || std::size_t(k) >= modMain::gLetters.size())
                throw platform::RuntimeError(platform::err::SubscriptOutOfRange, {});
            rImgLetter.setTilePicture(i,
                                      LoadPicture(modMain::gLetters[std::size_t(k)].LetterPicture));
            rImgLetter.setTileTag(i, k - 1);
        }
    });
}

void clsGujTest::Initialise(order::Reward &reward)
{
    guarded([&] {
        reward.prepareReward(platform::ProgramPath(QStringLiteral("\\test\\congratulations.gif")),
                             platform::ProgramPath(QStringLiteral("\\test\\Applause.mp3")));
    });
}

int clsGujTest::drawCandidate()
{
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    // A uniform draw may round up to 1.0 itself.
    return std::min(int(uniform(services::drawGenerator()) * m_count + 1), m_count);
}

int clsGujTest::GetRandomNumber()
{
    int result = 0;
    guarded([&] {
        const auto firstFree = std::find(mintDrawn.begin() + 1, mintDrawn.end(), 0);
        if (firstFree == mintDrawn.end())
            return;
        int m = drawCandidate();
        // By rejection: every clash draws again and scans from the start.
        for (int j = 1; j <= m_count; ++j) {
            if (mintDrawn[std::size_t(j)] == m) {
                m = drawCandidate();
                j = 0;
            }
        }
        *firstFree = m;
        result = m;
    });
    return result;
}

void clsGujTest::CheckIfCorrect(int rIndex, order::OrderBoard &board, order::Reward &reward)
{
    guarded([&] {
        const int p = mintPosition;
        if (p < 0 || p >= m_count || rIndex < 0 || rIndex >= board.tileCount())
            throw platform::RuntimeError(platform::err::SubscriptOutOfRange, {});
        board.setAnswerPicture(p, board.tilePicture(rIndex));
        mintChosenIds[std::size_t(p)] = board.tileTag(rIndex);
        mintChosenTiles[std::size_t(p)] = rIndex;
        board.setAnswerVisible(p, true);
        board.setTileFrame(rIndex, Inset, ChosenFrame);
        board.setTileEnabled(rIndex, false);
        mintPosition = p + 1;

        if (mintPosition != m_count) {
            board.setDoNotDisplayMsgBox(false);
            board.setUndoVisible(true);
            return;
        }
        board.setUndoVisible(false);
        if (IsOrderCorrect())
            Passed(board, reward);
        else
            Failed(board);
    });
}

void clsGujTest::Passed(order::OrderBoard &board, order::Reward &reward)
{
    board.stopInstructions();
    reward.startReward();

    const int stored = modMain::GetUserLevel(modMain::gUserName, true);
    const QString text =
        stored < 8
            ? modMain::FormatMessage(resources::LoadResString(resources::str::LevelCompleted),
                                     {QString::number(stored)})
            : QStringLiteral("Congratulations You Have Successfully Completed This Exercise");
    // The animation and the applause go on while the box is open.
    board.message(text, services::MessageBoxStyle::OkOnly);

    const bool offered = offersNextLevel(stored, modMain::gLevel);
    const bool saved = modMain::StorePass(0);
    // A pass the file does not hold leads nowhere: the learner is told
    // at once, and the level stays theirs to pass again.
    board.setNextLevelVisible(saved && offered);
    board.setDoNotDisplayMsgBox(true);

    reward.stopReward();
    if (!saved) {
        board.message(modErrors::gErrMsg, services::MessageBoxStyle::Exclamation);
        modErrors::gErrMsg.clear();
    }
    ShowCorrectOrder(board, true);
    board.setResetVisible(false);
}

void clsGujTest::Failed(order::OrderBoard &board)
{
    constexpr int style = services::MessageBoxStyle::Exclamation;
    board.setDoNotDisplayMsgBox(true);
    switch (mintAttempts) {
    case 0:
        board.message(resources::LoadResString(resources::str::WrongOrder), style);
        mintAttempts = 1;
        ResetLetters(board);
        break;
    case 1:
        board.message(resources::LoadResString(resources::str::WrongOrder), style);
        board.message(resources::LoadResString(resources::str::FinalChance), style);
        mintAttempts = 2;
        ResetLetters(board);
        break;
    default:
        board.stopInstructions();
        board.message(resources::LoadResString(resources::str::TestFailed), style);
        ShowCorrectOrder(board, false);
        board.setNextLevelVisible(false);
        board.setResetVisible(false);
        break;
    }
}

void clsGujTest::Reset(order::OrderBoard &board)
{
    guarded([&] { ResetLetters(board); });
}

void clsGujTest::ResetLetters(order::OrderBoard &board)
{
    mintPosition = 0;
    LoadLetters(board, true);
    for (int i = 0; i < m_count && i < board.tileCount(); ++i) {
        board.setTileFrame(i, Raised, FreeFrame);
        board.setTileEnabled(i, true);
        // The slots keep their pictures until the next clicks replace them.
        board.setAnswerVisible(i, false);
    }
}

void clsGujTest::Undo(order::OrderBoard &board)
{
    if (mintPosition == 0)
        return;
    const int p = --mintPosition;
    const int tile = mintChosenTiles[std::size_t(p)];
    board.setTileFrame(tile, Raised, FreeFrame);
    board.setTileEnabled(tile, true);
    board.setAnswerVisible(p, false);
    board.setAnswerPicture(p, QPixmap());
    if (p == 0) {
        board.setDoNotDisplayMsgBox(true);
        board.setUndoVisible(false);
    }
}

void clsGujTest::ShowCorrectOrder(order::OrderBoard &board, bool hideCaption)
{
    mintPosition = 0;
    if (!hideCaption)
        board.setCorrectOrderVisible(true);
    for (int k = 0; k < m_count; ++k) {
        board.setOrderPicture(mintPosition, board.tilePicture(FindLetterIndex(k, board)));
        ++mintPosition;
    }
}

int clsGujTest::FindLetterIndex(int letter, const order::LetterTiles &tiles) const
{
    for (int i = 0; i < m_count && i < tiles.tileCount(); ++i) {
        if (tiles.tileTag(i) == letter)
            return i;
    }
    return m_count - 1;
}

bool clsGujTest::IsOrderCorrect() const
{
    for (int i = 0; i + 1 < m_count; ++i) {
        if (mintChosenIds[std::size_t(i) + 1] < mintChosenIds[std::size_t(i)])
            return false;
    }
    return true;
}
