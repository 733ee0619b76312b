#include "exercises/keyboard/words/KeyPictures.h"

#include "platform/controls/LoadPicture.h"
#include "platform/core/RuntimeError.h"
#include "shell/modMain.h"

namespace words {

KeyPictures::KeyPictures(const std::vector<KeyboardChar> &keys, const int &count, int first)
    : m_keys(keys)
    , m_count(count)
    , m_first(first)
{}

KeyPictures::KeyPictures(keyboards::KeySet keySet)
    : KeyPictures(keySet == keyboards::KeySet::Letters
                      ? KeyPictures(modMain::gKeyboardChars, modMain::gKeyboardCharCount, 1)
                      : KeyPictures(modMain::gNumKeyboardChars, modMain::gNumKeyboardCharCount, 0))
{}

QPixmap KeyPictures::picture(int keyNumber)
{
    const auto known = m_loaded.find(keyNumber);
    if (known != m_loaded.end())
        return known->second;
    if (keyNumber < m_first || keyNumber >= m_first + m_count ||
        std::size_t(keyNumber) >= m_keys.size())
        throw platform::RuntimeError(platform::err::SubscriptOutOfRange,
                                     QStringLiteral("Subscript out of range"));
    const QPixmap picture = LoadPicture(m_keys[std::size_t(keyNumber)].LetterPicture);
    m_loaded.emplace(keyNumber, picture);
    return picture;
}

} // namespace words
