#pragma once

#include <QList>
#include <QString>

namespace coursegen {

// A number the numbers course speaks: 1 to 100 for the levels, 0 for the
// digit keypad's zero key.
struct CourseNumber
{
    int value = 0;
    QString numeral; // in Gujarati numerals, "૨૫"
    QString say;     // what the voice reads, "પચ્ચીસ"
};

// numbers.tsv holds every number from 0 to this one, in order.
inline constexpr int HighestNumber = 100;

// The number in Gujarati numerals: 25 -> "૨૫".
QString numeralOf(int number);

// Reads and checks numbers.tsv in `folder`; throws TableError at the first
// fault. The result is indexed by the number itself.
QList<CourseNumber> loadNumbers(const QString &folder);

} // namespace coursegen
