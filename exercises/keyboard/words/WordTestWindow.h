#pragma once

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "exercises/keyboard/words/KeyPictures.h"
#include "exercises/keyboard/words/KeyboardTestForms.h"
#include "exercises/keyboard/words/TestWindow.h"
#include "exercises/keyboard/words/WordLayout.h"
#include "exercises/keyboard/words/WordRows.h"
#include "platform/controls/SoundPlayer.h"
#include "shell/Guarded.h"

#include <array>
#include <cstddef>
#include <vector>

namespace words {

// A test window of word (or number) rows, as the spelling and numbers
// windows are, with Cells cells a row and as many typed cells: a study page
// whose speaker buttons play its words, and a test whose answers go into the
// rows of the left column, with the right ones, hidden until marking, beside
// them in the right column.
template <std::size_t Cells> class WordTestWindow : public TestWindow, public PictureKeys<Cells>
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
    // The rows draw the keys of the test's keyboard.
    WordTestWindow(const KeyboardTestForm &form, QWidget *parent)
        : TestWindow(form, parent)
        , m_keyPictures(form.keyboard->keySet)
    {}

    void Form_Unload(bool &Cancel) override
    {
        LetterSound->Stop();
        TestWindow::Form_Unload(Cancel);
    }

    // The player, never seen, closes each recording once it has played.
    void createSoundPlayer()
    {
        LetterSound = new controls::SoundPlayer(this);
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

    // Marks the answers against the right column, which then shows. The
    // number right.
    int markRows()
    {
        const int right = words::markAnswers(picWord, imgMarked, RowsPerColumn);
        showRows(picWord, RowsPerColumn, true);
        return right;
    }

    KeyPictures m_keyPictures;
    // The recording of each study row, as the study page fetched it.
    std::vector<QString> mstrStudySoundFiles;

private:
    // Question 1..10 is answered in the row of that number.
    void takeAnswer(int question) final
    {
        words::takeAnswer(picWord[std::size_t(question - 1)], this->picKey);
    }
};

} // namespace words
