#pragma once

#include "exercises/keyboard/words/WordLayout.h"
#include "exercises/keyboard/words/WordRows.h"
#include "platform/controls/SoundPlayer.h"
#include "shell/Guarded.h"

#include <array>
#include <cstddef>
#include <vector>

namespace words {

// The controls of a window of word (or number) rows, as the spelling and
// numbers windows both have them, with Cells cells a row and typed cells,
// and what both do with them: a study page whose speaker buttons play its
// words, and a test whose answers go into the rows of the left column with
// the right ones, hidden until marking, beside them.
template <std::size_t Cells> class WordControls : public PictureKeys<Cells>
{
public:
    using Row = std::array<PictureCell *, Cells>;
    using PictureButton = words::PictureButton;

    Label *lblDisplayText = nullptr;
    // picWord1 .. picWord20 at 0..19.
    std::array<Row, Rows> picWord{};
    std::array<Label *, Rows> lblWord{};
    std::array<PictureButton *, Rows> cmdWordSound{};
    std::array<Image *, Rows> imgMarked{};
    controls::SSCommand *cmdRepeatWord = nullptr;
    controls::SoundPlayer *LetterSound = nullptr;

protected:
    WordControls() = default;
    ~WordControls() = default;
    WordControls(const WordControls &) = default;
    WordControls &operator=(const WordControls &) = default;

    // The player, never seen, closes each recording once it has played.
    void createSoundPlayer(QWidget *window)
    {
        LetterSound = new controls::SoundPlayer(window);
        LetterSound->setVisible(false);
        QObject::connect(LetterSound, &controls::SoundPlayer::PlayFinished, LetterSound,
                         &controls::SoundPlayer::Close);
    }

    // Nothing waits for the end: another click opens and plays its own.
    void playSound(const QString &path)
    {
        LetterSound->Open(path);
        LetterSound->Play();
    }

    // The speaker button of study row index + 1.
    void cmdWordSound_Click(int index)
    {
        handled([this, index] { playSound(mstrStudySoundFiles.at(std::size_t(index))); });
    }

    // Every row and typed cell empty; the speakers, the marks, the labels of
    // the right column and its cells hidden.
    void clearForTest()
    {
        clearRows(picWord);
        for (std::size_t i = 0; i < Rows; ++i) {
            cmdWordSound[i]->hide();
            imgMarked[i]->hide();
        }
        for (std::size_t i = RowsPerColumn; i < Rows; ++i)
            lblWord[i]->hide();
        for (PictureCell *key : this->picKey)
            key->empty();
        showRows(picWord, RowsPerColumn, false);
    }

    // Question 1..10 is answered in the row of that number.
    void takeAnswerRow(int question)
    {
        takeAnswer(picWord[std::size_t(question - 1)], this->picKey);
    }

    // Marks the answers against the right column, which then shows. The
    // number right.
    int markRows()
    {
        const int right = markAnswers(picWord, imgMarked, RowsPerColumn);
        showRows(picWord, RowsPerColumn, true);
        return right;
    }

    // The recording of each study row, as the study page fetched it.
    std::vector<QString> mstrStudySoundFiles;
};

} // namespace words
