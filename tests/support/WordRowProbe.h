#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <vector>

// What a row of picture cells of the spelling or numbers window holds, as a
// test reads it, and the clicks that drive those windows.
namespace wordrows {

// The key numbers of the row's filled cells, left to right.
template <typename Row> std::vector<int> tags(const Row &row)
{
    std::vector<int> keys;
    for (const auto *cell : row) {
        if (!cell->Tag().isEmpty())
            keys.push_back(cell->Tag().toInt());
    }
    return keys;
}

// The keys the row's pictures show, as shown(picture) tells them.
template <typename Row, typename Shown> std::vector<int> pictures(const Row &row, Shown shown)
{
    std::vector<int> keys;
    for (const auto *cell : row) {
        if (!cell->pixmap().isNull())
            keys.push_back(shown(cell->pixmap()));
    }
    return keys;
}

inline void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Windows unloaded with delete-on-unload are gone after this.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace wordrows
