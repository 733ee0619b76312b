#pragma once

#include <QString>

namespace keyboards {
struct KeyboardForm;
}

// What a spelling or numbers window checks before it opens: that each word
// it may ask can be read and typed. A check that fails leaves its report
// pending: the error the database raised, or a report of the bad data.
namespace words {

struct WordIds
{
    int first;
    int last;
};

// Whether the key set just read gives every key of the keyboard a row, and
// no row goes without a key.
bool fillsKeyboard(const keyboards::KeyboardForm &design, int keyRows);

// Whether the Words rows of `sounds` and the WordLetter rows of `letters` can
// be read, and every letter is a key of the keyboard: a word with a letter
// no key gives could never be typed right.
bool canBeTyped(const QString &levelDbPath, WordIds sounds, WordIds letters,
                const keyboards::KeyboardForm &design);

} // namespace words
