#pragma once

#include "course/schema/LetterRow.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace coursegen {

// Everything one level database holds: its letters in lesson order and its
// pass mark (the single Exam row).
struct LevelContent
{
    int level = 0;
    QList<schema::LetterRow> letters;
    int passMark = 0;
    // The syllable chart's Configuration row: the last consonant it shows.
    std::optional<int> maxLetter;

    // "\levels\level7.kdt"
    QString storedPath() const;

    // A digest of every value and of the level schema: equal digests make
    // equal databases.
    QByteArray contentHash() const;
};

} // namespace coursegen
