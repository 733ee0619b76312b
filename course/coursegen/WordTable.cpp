#include "course/coursegen/WordTable.h"

#include "course/coursegen/SayText.h"
#include "course/coursegen/TableError.h"
#include "course/coursegen/TsvFile.h"

#include <QDir>
#include <QHash>

#include <algorithm>

namespace coursegen {
namespace {

// "ે (U+0AC7)": a vowel sign or mark alone does not show which it is.
QString described(const QString &text)
{
    QStringList codes;
    for (const char32_t point : text.toUcs4())
        codes << QStringLiteral("U+%1").arg(uint(point), 4, 16, QChar(u'0')).toUpper();
    return QStringLiteral("%1 (%2)").arg(text, codes.join(u' '));
}

} // namespace

QList<int> spell(const QString &word, const QList<CourseItem> &consonants, QString *fault)
{
    QList<int> byLength(consonants.size());
    for (int i = 0; i < consonants.size(); ++i)
        byLength[i] = i;
    std::stable_sort(byLength.begin(), byLength.end(), [&](int a, int b) {
        return consonants.at(a).text.size() > consonants.at(b).text.size();
    });

    QList<int> letters;
    qsizetype pos = 0;
    while (pos < word.size()) {
        const auto found = std::find_if(byLength.cbegin(), byLength.cend(), [&](int i) {
            return QStringView(word).mid(pos).startsWith(consonants.at(i).text);
        });
        if (found == byLength.cend()) {
            // One whole character: a surrogate pair stays together.
            const qsizetype length = word.at(pos).isHighSurrogate() ? 2 : 1;
            *fault = QStringLiteral("\"%1\" has %2, which is not one of the consonants: the "
                                    "keyboard types consonants only, without vowel signs")
                         .arg(word, described(word.mid(pos, length)));
            return {};
        }
        letters.append(*found);
        pos += consonants.at(*found).text.size();
    }
    return letters;
}

QList<CourseWord> loadWords(const QString &folder, const QList<CourseItem> &consonants)
{
    const TsvFile file = TsvFile::read(QDir(folder).filePath(QStringLiteral("words.tsv")),
                                       {QStringLiteral("id"), QStringLiteral("word"),
                                        QStringLiteral("say"), QStringLiteral("meaning")});
    QList<CourseWord> words;
    QHash<QString, int> lines;
    for (const TsvRow &row : file.rows()) {
        const auto fail = [&](const QString &fault) {
            throw TableError(file.name(), row.line, fault);
        };
        const int expected = int(words.size()) + 1;
        if (expected > WordCount)
            fail(QStringLiteral("more than %1 words (the exercise draws from exactly %1)")
                     .arg(WordCount));
        CourseWord word;
        word.text = row.cells.at(file.column(QStringLiteral("word")));
        word.say = spokenText(file, row, QStringLiteral("say"), word.text);
        word.meaning = row.cells.at(file.column(QStringLiteral("meaning")));
        const QString id = row.cells.at(file.column(QStringLiteral("id")));
        if (id != QString::number(expected))
            fail(QStringLiteral("id: expected %1, found \"%2\" (the ids run 1 to %3 in order)")
                     .arg(expected)
                     .arg(id)
                     .arg(WordCount));
        word.id = expected;

        QString fault;
        word.letters = spell(word.text, consonants, &fault);
        if (!fault.isEmpty())
            fail(fault);
        if (word.letters.size() < MinLetters || word.letters.size() > MaxLetters)
            fail(QStringLiteral("\"%1\" has %2 %3; a word has %4 to %5 (one per picture cell)")
                     .arg(word.text)
                     .arg(word.letters.size())
                     .arg(word.letters.size() == 1 ? QStringLiteral("letter")
                                                   : QStringLiteral("letters"))
                     .arg(MinLetters)
                     .arg(MaxLetters));
        if (lines.contains(word.text))
            fail(QStringLiteral("\"%1\" is already on line %2")
                     .arg(word.text)
                     .arg(lines.value(word.text)));
        lines.insert(word.text, row.line);
        words.append(word);
    }
    if (words.size() != WordCount)
        throw TableError(
            file.name(), 0,
            QStringLiteral("expected %1 rows, found %2").arg(WordCount).arg(words.size()));
    return words;
}

} // namespace coursegen
