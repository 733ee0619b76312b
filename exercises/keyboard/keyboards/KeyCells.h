#pragma once

#include <QPixmap>
#include <QString>

namespace keyboards {

// The answer cells (picKey) of an exercise window that a keyboard types into.
// A cell holds a key's picture and its key number as decimal text; an empty
// cell has no picture and the text "".
class KeyCells
{
public:
    virtual int keyCellCount() const = 0;
    virtual void setKeyCell(int cell, const QPixmap &picture, const QString &tag) = 0;
    virtual void clearKeyCell(int cell) = 0;

protected:
    KeyCells() = default;
    ~KeyCells() = default;
    KeyCells(const KeyCells &) = default;
    KeyCells &operator=(const KeyCells &) = default;
};

} // namespace keyboards
