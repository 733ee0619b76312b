#pragma once

#include "course/coursegen/CourseItem.h"
#include "course/coursegen/LevelEntry.h"
#include "course/coursegen/NumberTable.h"
#include "course/coursegen/Pronunciation.h"
#include "course/coursegen/WordTable.h"

#include <QList>
#include <QString>

namespace coursegen {

// Everything the course tables say, read and checked as a whole. Reading
// stops at the first fault with a TableError ("levels.tsv:14: ..."), so
// nothing is built from tables that are partly wrong.
struct CourseTables
{
    static constexpr int LevelCount = 25;

    QList<CourseItem> consonants;
    QList<CourseItem> vowels;
    QList<CourseItem> vowelSigns;
    QList<CourseItem> numerals;
    QList<LevelEntry> levels;    // level 1 first, every level once
    QList<CourseWord> words;     // the spelling words, id 1 first
    QList<CourseNumber> numbers; // 0 to 100, indexed by the number
    Pronunciation pronunciation; // speech.tsv

    static CourseTables load(const QString &folder);

    const QList<CourseItem> &items(ItemTable table) const;
};

// The file name (without ".tsv") of a table, as levels.tsv names it.
QString tableName(ItemTable table);

} // namespace coursegen
