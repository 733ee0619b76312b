#pragma once

#include <QPixmap>
#include <QString>

// What the letter-order engine drives on the window that runs it. The engine
// keeps no window: each operation is handed these, so a test can stand in
// for the window with plain objects.
namespace order {

// Tiles that a deal fills: a picture and a letter number (the tag) each.
class LetterTiles
{
public:
    virtual ~LetterTiles() = default;

    virtual int tileCount() const = 0;
    virtual QPixmap tilePicture(int tile) const = 0;
    virtual void setTilePicture(int tile, const QPixmap &picture) = 0;
    // The 0-based number of the letter on the tile.
    virtual int tileTag(int tile) const = 0;
    virtual void setTileTag(int tile, int letter) = 0;
};

// An order test's board: the framed tiles, the answer row, the correct-order
// row, the buttons, the instruction animation, the window's leave flag and
// its message boxes.
class OrderBoard : public LetterTiles
{
public:
    // A disabled tile takes no click.
    virtual void setTileEnabled(int tile, bool enabled) = 0;
    // bevel: 1 inset, 2 raised (outer and inner alike); &HBBGGRR.
    virtual void setTileFrame(int tile, int bevel, quint32 backColor) = 0;

    // A null picture empties the slot.
    virtual void setAnswerPicture(int slot, const QPixmap &picture) = 0;
    virtual void setAnswerVisible(int slot, bool visible) = 0;
    virtual void setOrderPicture(int slot, const QPixmap &picture) = 0;
    // The "Correct Order" caption with the frame and panel of its row.
    virtual void setCorrectOrderVisible(bool visible) = 0;

    virtual void setUndoVisible(bool visible) = 0;
    virtual void setResetVisible(bool visible) = 0;
    virtual void setNextLevelVisible(bool visible) = 0;
    // Stops and hides the instruction animation.
    virtual void stopInstructions() = 0;

    // The window's mblnDoNotDisplayMsgBox: true when leaving asks nothing.
    virtual void setDoNotDisplayMsgBox(bool on) = 0;

    // A modal message box over the window; returns when the learner has
    // closed it.
    virtual void message(const QString &text, int style) = 0;
};

// The congratulation animation over the tiles and the applause.
class Reward
{
public:
    virtual ~Reward() = default;

    // Hides the animation and reads it; opens the sound. Paths are local.
    virtual void prepareReward(const QString &animationPath, const QString &soundPath) = 0;
    // Shows and plays the animation and plays the applause.
    virtual void startReward() = 0;
    // Stops and hides the animation and stops the applause.
    virtual void stopReward() = 0;
};

} // namespace order
