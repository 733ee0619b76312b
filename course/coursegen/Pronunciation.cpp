#include "course/coursegen/Pronunciation.h"

#include <QList>
#include <QStringList>

namespace coursegen {
namespace {

constexpr char16_t Virama = u'\u0ACD';
constexpr char16_t Nukta = u'\u0ABC';
constexpr char16_t Anusvara = u'\u0A82';
constexpr char16_t SignAa = u'\u0ABE';
constexpr char16_t Ssa = u'\u0AB7';
constexpr char16_t Sha = u'\u0AB6';

bool isConsonant(QChar c)
{
    return c.unicode() >= 0x0A95 && c.unicode() <= 0x0AB9;
}

bool isVowelSign(QChar c)
{
    return (c.unicode() >= 0x0ABE && c.unicode() <= 0x0ACC) || c.unicode() == 0x0AE2 ||
           c.unicode() == 0x0AE3;
}

// One written syllable: its consonants (none for a vowel letter), the vowel
// sign or vowel letter, and the marks after it. An empty vowel on a
// consonant is the inherent a.
struct Akshara
{
    QString consonants; // with viramas and nuktas between them
    int consonantCount = 0;
    QString vowel;
    QString marks;
    bool deadEnd = false; // ends with a virama: no vowel at all
    bool dropped = false; // the inherent vowel is not said

    bool inherent() const { return consonantCount > 0 && vowel.isEmpty() && !deadEnd; }
    bool voiced() const { return !deadEnd && !dropped; }
    QString text() const
    {
        return consonants + (dropped ? QString(Virama) : QString()) + vowel + marks;
    }
};

QList<Akshara> aksharas(const QString &word)
{
    QList<Akshara> list;
    bool joining = false; // the last consonant took a virama
    for (const QChar c : word) {
        if (isConsonant(c)) {
            if (!joining || list.isEmpty())
                list.append(Akshara{});
            else
                list.last().deadEnd = false;
            list.last().consonants += c;
            ++list.last().consonantCount;
            joining = false;
        } else if (c == Virama && !list.isEmpty()) {
            list.last().consonants += c;
            list.last().deadEnd = true;
            joining = true;
        } else if (c == Nukta && !list.isEmpty()) {
            list.last().consonants += c;
        } else if (isVowelSign(c) && !list.isEmpty()) {
            list.last().vowel += c;
        } else if (c.unicode() >= 0x0A85 && c.unicode() <= 0x0A94) {
            list.append(Akshara{});
            list.last().vowel = c;
            joining = false;
        } else if (!list.isEmpty()) {
            list.last().marks += c;
        } else {
            list.append(Akshara{});
            list.last().marks = c;
        }
    }
    return list;
}

bool single(const Akshara &a)
{
    return a.consonantCount == 1 && !a.deadEnd;
}

// The inherent vowel goes where a vowel stands before the consonant and a
// single consonant with its vowel follows (VC_CV), from the end of the word
// back, never in its first syllable. A word's last inherent vowel is not
// said either, unless a conjunct carries it (the voice knows this itself).
void dropInherentVowels(QList<Akshara> &list)
{
    if (list.size() < 2)
        return;
    Akshara &last = list.last();
    if (last.inherent() && single(last) && last.marks.isEmpty())
        last.dropped = true;
    for (qsizetype i = list.size() - 2; i >= 1; --i) {
        Akshara &here = list[i];
        const Akshara &next = list.at(i + 1);
        if (here.inherent() && single(here) && here.marks.isEmpty() && list.at(i - 1).voiced() &&
            single(next) && next.voiced())
            here.dropped = true;
    }
    if (last.dropped)
        last.dropped = false; // the voice drops it; a virama would be written needlessly
}

// The nasal of a stop's row (ક..ઘ, ચ..ઝ, ટ..ઢ, ત..ધ, પ..ભ), or none.
QChar nasalOf(QChar stop)
{
    const char16_t c = stop.unicode();
    if (c >= 0x0A95 && c <= 0x0A98)
        return QChar(0x0A99);
    if (c >= 0x0A9A && c <= 0x0A9D)
        return QChar(0x0A9E);
    if (c >= 0x0A9F && c <= 0x0AA2)
        return QChar(0x0AA3);
    if (c >= 0x0AA4 && c <= 0x0AA7)
        return QChar(0x0AA8);
    if (c >= 0x0AAA && c <= 0x0AAD)
        return QChar(0x0AAE);
    return {};
}

// An anusvara before a stop is that stop's nasal. After ા it stays: ાં is
// the long nasal a (પાંચ).
void placeNasals(QList<Akshara> &list)
{
    for (qsizetype i = 0; i + 1 < list.size(); ++i) {
        Akshara &here = list[i];
        if (here.marks != QString(Anusvara) || here.vowel == QString(SignAa) ||
            list.at(i + 1).consonants.isEmpty())
            continue;
        const QChar nasal = nasalOf(list.at(i + 1).consonants.front());
        if (nasal.isNull())
            continue;
        here.marks = QString(nasal) + Virama;
    }
}

QString saidWord(const QString &word)
{
    QList<Akshara> list = aksharas(word);
    placeNasals(list);
    dropInherentVowels(list);
    QString said;
    for (const Akshara &a : list)
        said += a.text();
    return said;
}

// Everyday Gujarati says ષ as શ. The letter alone and its syllables in the chart keep
// the voice's retroflex sound, so that ષ and શ stay apart in the listening tests; ક્ષ is
// a letter of its own.
QString withSha(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == Ssa && (i == 0 || text.at(i - 1) != Virama))
            text[i] = Sha;
    }
    return text;
}

QString withoutSsa(const QString &word)
{
    return aksharas(word).size() < 2 ? word : withSha(word);
}

QString saidWord(const QString &word, const Pronunciation &pronunciation)
{
    QString spelt = withoutSsa(word);
    spelt.replace(QStringLiteral("જ્ઞ"), QStringLiteral("ગ્ન"));
    const QString parts = pronunciation.parts.value(word);
    if (parts == QStringLiteral("-"))
        return spelt;
    if (parts.isEmpty())
        return saidWord(spelt);
    // Each part on its own, joined without its last vowel so that the voice
    // reads one word.
    QStringList said;
    for (QString part : parts.split(u'|')) {
        part = withSha(part);
        part.replace(QStringLiteral("જ્ઞ"), QStringLiteral("ગ્ન"));
        said << saidWord(part);
    }
    for (qsizetype i = 0; i + 1 < said.size(); ++i) {
        if (isConsonant(said.at(i).back()))
            said[i] += Virama;
    }
    return said.join(QString());
}

} // namespace

QString sayText(const QString &text, const Pronunciation &pronunciation)
{
    const QString open = QStringLiteral("[[");
    const QString close = QStringLiteral("]]");
    QString said;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype start = text.indexOf(open, pos);
        const QString gujarati = text.mid(pos, start < 0 ? -1 : start - pos);
        QStringList words = gujarati.split(u' ');
        for (QString &word : words) {
            if (!word.isEmpty())
                word = saidWord(word, pronunciation);
        }
        said += words.join(u' ');
        if (start < 0)
            break;
        const qsizetype end = text.indexOf(close, start);
        const qsizetype after = end < 0 ? text.size() : end + close.size();
        said += text.mid(start, after - start);
        pos = after;
    }
    return said;
}

} // namespace coursegen
