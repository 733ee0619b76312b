#pragma once

#include <vector>

namespace order {
class LetterTiles;
class OrderBoard;
class Reward;
} // namespace order

// One letter-order test: deals the level's letters (modMain::gLetters) onto
// tiles in a random order, takes the learner's choices into an answer row and
// judges the row once it is full: the letters must be chosen in the order of
// the level's table. Three attempts; a pass is stored with AdvanceUserLevel.
//
// The letter count is read once, at creation, so the level's letters must be
// loaded before the window that creates the engine. Every operation but Undo
// is guarded: a run-time error ends it where it happened, its report waits in
// modErrors::gErrMsg, and what was done before stays done.
class clsGujTest final
{
public:
    clsGujTest();

    // Letter k + 1 onto tile i with tag k; in random order when asked, else
    // in table order.
    void LoadLetters(order::LetterTiles &rImgLetter, bool vblnRandomise);
    // Reads the congratulation animation and opens the applause.
    void Initialise(order::Reward &reward);
    // The next letter number (1 to N) of the current deal not yet handed out,
    // or 0 when all have been.
    int GetRandomNumber();

    // A click on tile rIndex.
    void CheckIfCorrect(int rIndex, order::OrderBoard &board, order::Reward &reward);
    // A fresh deal with an empty answer row; the attempts stay as they are.
    void Reset(order::OrderBoard &board);
    // Takes back the last choice.
    void Undo(order::OrderBoard &board);

    int position() const { return mintPosition; }
    int attempts() const { return mintAttempts; }
    int letterCount() const { return m_count; }

private:
    void ResetLetters(order::OrderBoard &board);
    void ShowCorrectOrder(order::OrderBoard &board, bool hideCaption);
    int FindLetterIndex(int letter, const order::LetterTiles &tiles) const;
    bool IsOrderCorrect() const;
    void Passed(order::OrderBoard &board, order::Reward &reward);
    void Failed(order::OrderBoard &board);
    int drawCandidate();

    int m_count; // N, the letters of the level
    int mintPosition = 0;
    std::vector<int> mintChosenIds;   // 0..N-1
    int mintAttempts = 0;             // wrong orders so far, 0 to 2
    std::vector<int> mintDrawn;       // 1..N (element 0 unused); 0 = free
    std::vector<int> mintChosenTiles; // 0..N-1
};
