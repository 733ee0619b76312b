#pragma once

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "shell/KeyboardChar.h"

#include <QPixmap>

#include <map>
#include <vector>

namespace words {

// The pictures of a key set by key number, each loaded once for as long as
// the window that draws them lives: a page draws up to 120 of them.
class KeyPictures final
{
public:
    // keys[first] .. keys[first + count - 1] are the key set's rows; the
    // set is read where it lies, so a later reload is seen.
    KeyPictures(const std::vector<KeyboardChar> &keys, const int &count, int first);
    // The key set that a keyboard of that kind shows.
    explicit KeyPictures(keyboards::KeySet keySet);

    // The key's picture. A key outside the set, or a picture that cannot be
    // loaded, raises the run-time error; a failed picture is tried again
    // next time.
    QPixmap picture(int keyNumber);

private:
    const std::vector<KeyboardChar> &m_keys;
    const int &m_count;
    int m_first;
    std::map<int, QPixmap> m_loaded;
};

} // namespace words
