#include "platform/text/SyllableChart.h"

#include <array>

namespace text::syllables {
namespace {

constexpr std::array<const char *, SignCount> SignKeys{"",  "A", "i",  "I",  "u", "U",
                                                       "e", "E", "Ae", "AE", ">", ":"};

// 26..33 follow "z" in the character table, which no file name can use.
constexpr std::array<const char *, ConsonantCount - 26> LateCodes{"va", "sha", "ssa",  "sa",
                                                                  "ha", "lla", "ksha", "gna"};

constexpr int SyllableSignBeforeConsonant = 2;

QString sound(const QString &name)
{
    return QStringLiteral("\\sounds\\") + name + QStringLiteral(".mp3");
}

} // namespace

QString signKey(int sign)
{
    if (sign < 0 || sign >= SignCount)
        return {};
    return QString::fromLatin1(SignKeys.at(std::size_t(sign)));
}

QString syllableKey(const QString &consonantKey, int sign)
{
    if (sign == SyllableSignBeforeConsonant)
        return signKey(sign) + consonantKey;
    return consonantKey + signKey(sign);
}

QString consonantCode(int index)
{
    if (index >= 0 && index < 26)
        return QString(QChar(char16_t(u'a' + index)));
    if (index >= 26 && index < ConsonantCount)
        return QString::fromLatin1(LateCodes.at(std::size_t(index - 26)));
    return {};
}

QString consonantSound(int consonant)
{
    return sound(QStringLiteral("Vowels_1") + consonantCode(consonant));
}

QString plusSound()
{
    return sound(QStringLiteral("Vow_Plus"));
}

QString signSound(int sign)
{
    return sound(QStringLiteral("Vow_%1").arg(sign));
}

QString syllableSound(int sign, int consonant)
{
    return sound(QStringLiteral("Vowels_%1").arg(sign + 1) + consonantCode(consonant));
}

QString playAllSound(int sign, int consonant)
{
    return sound(QStringLiteral("Vow_%1").arg(sign + 1) + consonantCode(consonant));
}

} // namespace text::syllables
