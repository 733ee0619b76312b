#pragma once

#include "exercises/keyboard/words/WordLayout.h"
#include "exercises/keyboard/words/WordRows.h"

#include <array>
#include <cstddef>

namespace controls {
class SSCommand;
class SSPanel;
class SoundPlayer;
} // namespace controls

namespace words {

// The controls of a window of word (or number) rows, as the spelling and
// numbers windows both have them, with Cells cells a row and typed cells.
template <std::size_t Cells> class WordControls : public PictureKeys<Cells>
{
public:
    using Row = std::array<PictureCell *, Cells>;

    Label *lblHeading = nullptr;
    Label *lblTest = nullptr;
    Label *lblDisplayText = nullptr;
    controls::SSPanel *pnlBlank3 = nullptr;
    controls::SSPanel *pnlBlank5 = nullptr;
    std::array<controls::SSPanel *, Cells> pnlUser{};
    // picWord1 .. picWord20 at 0..19.
    std::array<Row, Rows> picWord{};
    std::array<Label *, Rows> lblWord{};
    std::array<PictureButton *, Rows> cmdWordSound{};
    std::array<Image *, Rows> imgMarked{};
    controls::SSCommand *cmdExit = nullptr;
    controls::SSCommand *cmdRepeatWord = nullptr;
    controls::SSCommand *cmdStartTest = nullptr;
    controls::SSCommand *cmdNextWord = nullptr;
    controls::SSCommand *cmdMarkTest = nullptr;
    controls::SSCommand *cmdStartNewTest = nullptr;
    controls::SoundPlayer *LetterSound = nullptr;

protected:
    WordControls() = default;
    ~WordControls() = default;
    WordControls(const WordControls &) = default;
    WordControls &operator=(const WordControls &) = default;
};

} // namespace words
