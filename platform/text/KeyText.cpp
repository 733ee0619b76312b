#include "platform/text/KeyText.h"

#include <array>

namespace text {
namespace {

struct Key
{
    char key;
    const char16_t *unicode;
};

// The 34 consonants in the order of the syllable chart.
constexpr std::array<Key, 34> Consonants{{
    {'k', u"\u0A95"},
    {'K', u"\u0A96"},
    {'g', u"\u0A97"},
    {'G', u"\u0A98"},
    {'c', u"\u0A9A"},
    {'C', u"\u0A9B"},
    {'j', u"\u0A9C"},
    {'J', u"\u0A9D"},
    {'t', u"\u0A9F"},
    {'T', u"\u0AA0"},
    {'d', u"\u0AA1"},
    {'D', u"\u0AA2"},
    {'N', u"\u0AA3"},
    {'w', u"\u0AA4"},
    {'W', u"\u0AA5"},
    {'f', u"\u0AA6"},
    {'F', u"\u0AA7"},
    {'n', u"\u0AA8"},
    {'p', u"\u0AAA"},
    {'P', u"\u0AAB"},
    {'b', u"\u0AAC"},
    {'B', u"\u0AAD"},
    {'m', u"\u0AAE"},
    {'y', u"\u0AAF"},
    {'r', u"\u0AB0"},
    {'l', u"\u0AB2"},
    {'v', u"\u0AB5"},
    {'X', u"\u0AB6"},
    {'S', u"\u0AB7"},
    {'s', u"\u0AB8"},
    {'h', u"\u0AB9"},
    {'L', u"\u0AB3"},
    {'R', u"\u0A95\u0ACD\u0AB7"},
    {'Y', u"\u0A9C\u0ACD\u0A9E"},
}};

struct Sign
{
    const char *key;
    char16_t unicode;
};

// Two-character keys first, so that "Ae" is not read as "A" and "e".
constexpr std::array<Sign, 11> VowelSigns{{
    {"Ae", u'\u0ACB'},
    {"AE", u'\u0ACC'},
    {"A", u'\u0ABE'},
    {"i", u'\u0ABF'},
    {"I", u'\u0AC0'},
    {"u", u'\u0AC1'},
    {"U", u'\u0AC2'},
    {"e", u'\u0AC7'},
    {"E", u'\u0AC8'},
    {">", u'\u0A82'},
    {":", u'\u0A83'},
}};

constexpr char16_t DottedCircle = u'\u25CC';
constexpr char16_t GujaratiZero = u'\u0AE6';

const Sign *signAt(const QString &text, qsizetype pos)
{
    for (const Sign &sign : VowelSigns) {
        const auto key = QLatin1String(sign.key);
        if (QStringView(text).mid(pos).startsWith(key))
            return &sign;
    }
    return nullptr;
}

} // namespace

QString consonantText(QChar key)
{
    for (const Key &consonant : Consonants) {
        if (key == QLatin1Char(consonant.key))
            return QString::fromUtf16(consonant.unicode);
    }
    return {};
}

QString consonantKeyAt(int index)
{
    static_assert(Consonants.size() == ConsonantKeyCount);
    if (index < 0 || index >= ConsonantKeyCount)
        return {};
    return QString(QLatin1Char(Consonants.at(std::size_t(index)).key));
}

QString vowelSignText(const QString &key)
{
    for (const Sign &sign : VowelSigns) {
        if (key == QLatin1String(sign.key))
            return QString(QChar(sign.unicode));
    }
    return {};
}

QString toUnicode(const QString &keyText)
{
    QString out;
    bool afterBase = false; // a sign joins the consonant or sign before it
    qsizetype pos = 0;
    while (pos < keyText.size()) {
        const QChar c = keyText.at(pos);

        // "i" is typed before its consonant but stored after it.
        if (c == u'i' && pos + 1 < keyText.size()) {
            const QString consonant = consonantText(keyText.at(pos + 1));
            if (!consonant.isEmpty()) {
                out += consonant + QChar(u'\u0ABF');
                afterBase = true;
                pos += 2;
                continue;
            }
        }

        const QString consonant = consonantText(c);
        if (!consonant.isEmpty()) {
            out += consonant;
            afterBase = true;
            ++pos;
            continue;
        }

        if (const Sign *sign = signAt(keyText, pos)) {
            if (!afterBase)
                out += QChar(DottedCircle);
            out += QChar(sign->unicode);
            afterBase = true;
            pos += qsizetype(qstrlen(sign->key));
            continue;
        }

        if (c >= u'0' && c <= u'9')
            out += QChar(char16_t(GujaratiZero + (c.unicode() - u'0')));
        else
            out += c;
        afterBase = false;
        ++pos;
    }
    return out;
}

} // namespace text
