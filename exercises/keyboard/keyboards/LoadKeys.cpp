#include "exercises/keyboard/keyboards/LoadKeys.h"

#include "exercises/keyboard/keyboards/KeyImages.h"
#include "platform/controls/LoadPicture.h"
#include "platform/core/RuntimeError.h"
#include "shell/Guarded.h"

namespace keyboards {

void loadKeys(KeyImages &keys, const std::vector<KeyboardChar> &keySet, int first, int count)
{
    guarded([&] {
        for (int i = 0; i < count; ++i) {
            const int row = first + i;
            if (i >= keys.keyCount() || row < 0 || std::size_t(row) >= keySet.size())
                platform::raise(platform::err::SubscriptOutOfRange);
            keys.setKeyPicture(i, LoadPicture(keySet[std::size_t(row)].LetterPicture));
            keys.setKeyTag(i, QString::number(i));
        }
    });
}

} // namespace keyboards
