#include "course/coursegen/HeldVoice.h"

namespace coursegen {
namespace {

constexpr int NameVoiceMilliseconds = 650;
constexpr int ShortVowelVoiceMilliseconds = 560;
constexpr int LongVowelVoiceMilliseconds = 930;

bool containsAny(const QString &text, std::initializer_list<char16_t> letters)
{
    for (const char16_t letter : letters) {
        if (text.contains(QChar(letter)))
            return true;
    }
    return false;
}

} // namespace

int heldVoiceMilliseconds(const QString &text)
{
    // ઇ, ઉ and their signs િ, ુ; ઈ, ઊ and ી, ૂ.
    if (containsAny(text, {u'\u0A87', u'\u0A89', u'\u0ABF', u'\u0AC1'}))
        return ShortVowelVoiceMilliseconds;
    if (containsAny(text, {u'\u0A88', u'\u0A8A', u'\u0AC0', u'\u0AC2'}))
        return LongVowelVoiceMilliseconds;
    return NameVoiceMilliseconds;
}

} // namespace coursegen
