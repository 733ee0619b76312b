#include "course/coursegen/NumberTable.h"

#include "course/coursegen/SayText.h"
#include "course/coursegen/TableError.h"
#include "course/coursegen/TsvFile.h"
#include "platform/text/KeyText.h"

#include <QDir>
#include <QHash>

namespace coursegen {

QString numeralOf(int number)
{
    return text::toUnicode(QString::number(number));
}

QList<CourseNumber> loadNumbers(const QString &folder)
{
    const TsvFile file =
        TsvFile::read(QDir(folder).filePath(QStringLiteral("numbers.tsv")),
                      {QStringLiteral("number"), QStringLiteral("numeral"), QStringLiteral("say")});
    QList<CourseNumber> numbers;
    QHash<QString, int> sayLines;
    for (const TsvRow &row : file.rows()) {
        const auto fail = [&](const QString &fault) {
            throw TableError(file.name(), row.line, fault);
        };
        const int expected = int(numbers.size());
        if (expected > HighestNumber)
            fail(QStringLiteral("more rows than the numbers 0 to %1").arg(HighestNumber));
        CourseNumber number;
        number.value = expected;
        number.numeral = row.cells.at(file.column(QStringLiteral("numeral")));
        number.say = spokenText(file, row, QStringLiteral("say"));
        const QString value = row.cells.at(file.column(QStringLiteral("number")));
        if (value != QString::number(expected))
            fail(QStringLiteral("number: expected %1, found \"%2\" (the numbers run 0 to %3 in "
                                "order)")
                     .arg(expected)
                     .arg(value)
                     .arg(HighestNumber));
        if (number.numeral != numeralOf(expected))
            fail(QStringLiteral("numeral: %1 is written %2, found \"%3\"")
                     .arg(expected)
                     .arg(numeralOf(expected), number.numeral));
        // Two numbers that sound alike could not be told apart in the test.
        if (sayLines.contains(number.say))
            fail(QStringLiteral("say: \"%1\" is already on line %2")
                     .arg(number.say)
                     .arg(sayLines.value(number.say)));
        sayLines.insert(number.say, row.line);
        numbers.append(number);
    }
    if (numbers.size() != HighestNumber + 1)
        throw TableError(file.name(), 0,
                         QStringLiteral("expected %1 rows (0 to %2), found %3")
                             .arg(HighestNumber + 1)
                             .arg(HighestNumber)
                             .arg(numbers.size()));
    return numbers;
}

} // namespace coursegen
