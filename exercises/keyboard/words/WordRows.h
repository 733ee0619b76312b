#pragma once

#include "exercises/keyboard/keyboards/KeyCells.h"
#include "exercises/keyboard/words/PictureCell.h"

#include <QLabel>

#include <array>
#include <cstddef>
#include <vector>

namespace controls {
class SSPanel;
}

// The rows of picture cells of the spelling and numbers windows: a row shows
// a word (or a number) as its letters' pictures, each cell carrying its key
// number as text; a test types answers into the first rows and keeps the
// right ones, hidden until marking, in the rows after them.
namespace words {

class KeyPictures;

// What a key that cannot be drawn does to the rest of its row.
enum class AtFault
{
    KeepGoing, // its cell keeps the key number, blank, and the next keys draw
    Stop,      // its cell keeps the key number, blank, and the row ends there
};

// Draws the keys into the first cells of the row, left to right; the cells
// after them are left as they are. A fault is left in the pending message;
// keys beyond the row's cells are such a fault under Stop.
void drawKeys(PictureCell *const *row, std::size_t cells, const std::vector<int> &keys,
              KeyPictures &pictures, AtFault atFault);
bool sameTags(const PictureCell *const *answer, const PictureCell *const *correct,
              std::size_t cells);
// A tick for a right answer, a cross for a wrong one; shown.
void showMark(QLabel &mark, bool right);

template <typename Row>
void drawKeys(Row &row, const std::vector<int> &keys, KeyPictures &pictures, AtFault atFault)
{
    drawKeys(row.data(), row.size(), keys, pictures, atFault);
}

template <typename Rows> void clearRows(Rows &rows)
{
    for (auto &row : rows) {
        for (PictureCell *cell : row)
            cell->empty();
    }
}

// Shows or hides the cells of the rows from `first` on.
template <typename Rows> void showRows(Rows &rows, std::size_t first, bool flag)
{
    for (std::size_t r = first; r < rows.size(); ++r) {
        for (PictureCell *cell : rows[r])
            cell->setVisible(flag);
    }
}

// The typed cells move into the answer row, and are left empty.
template <typename Row, typename Keys> void takeAnswer(Row &answer, Keys &typed)
{
    static_assert(std::tuple_size<Row>::value == std::tuple_size<Keys>::value);
    for (std::size_t j = 0; j < answer.size(); ++j) {
        answer[j]->setPixmap(typed[j]->pixmap());
        answer[j]->setTag(typed[j]->Tag());
        typed[j]->empty();
    }
}

// Marks answer rows 0 .. questions - 1 against the rows `questions` further
// on: right only when every cell carries the same key number. The number
// right.
template <typename Rows, typename Marks>
int markAnswers(const Rows &rows, Marks &marks, int questions)
{
    int score = 0;
    for (std::size_t k = 0; k < std::size_t(questions); ++k) {
        const auto &answer = rows[k];
        const bool right =
            sameTags(answer.data(), rows[k + std::size_t(questions)].data(), answer.size());
        showMark(*marks[k], right);
        score += right ? 1 : 0;
    }
    return score;
}

// The typed cells picKey of a window that a keyboard types into, each in its
// frame pnlUser.
template <std::size_t Cells> class PictureKeys : public keyboards::KeyCells
{
public:
    std::array<controls::SSPanel *, Cells> pnlUser{};
    std::array<PictureCell *, Cells> picKey{};

    int keyCellCount() const override { return int(Cells); }
    void setKeyCell(int cell, const QPixmap &picture, const QString &tag) override
    {
        PictureCell *key = picKey.at(std::size_t(cell));
        key->setPixmap(picture);
        key->setTag(tag);
    }
    void clearKeyCell(int cell) override { picKey.at(std::size_t(cell))->empty(); }

protected:
    PictureKeys() = default;
    ~PictureKeys() = default;
    PictureKeys(const PictureKeys &) = default;
    PictureKeys &operator=(const PictureKeys &) = default;
};

} // namespace words
