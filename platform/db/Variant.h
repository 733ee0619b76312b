#pragma once

#include <QDateTime>
#include <QString>

#include <type_traits>
#include <variant>

namespace db {

// A field value as the course reads it: null, integer, real, text or a date
// and time. The conversions raise the run time's errors (platform::RuntimeError)
// where the course's own conversions would fail: 94 for a null, 6 for a number
// out of range, 13 for text that is no number or date.
class Variant
{
public:
    enum class Type
    {
        Null,
        Integer,
        Real,
        Text,
        DateTime
    };

    Variant() = default; // null

    // Implicit on purpose: rs.setField("LevelAt", 1) reads like the course.
    template <typename T, std::enable_if_t<std::is_integral_v<T>, int> = 0>
    Variant(T value)
        : m_value(static_cast<qint64>(value))
    {}
    Variant(bool) = delete; // the course has no Boolean fields
    Variant(double value);
    Variant(const QString &text);
    Variant(const char *utf8);
    Variant(const QDateTime &when);

    Type type() const;
    bool isNull() const { return type() == Type::Null; }

    // The course's Integer: 16 bits. Reals round half to even.
    qint16 toInteger() const;
    // The course's Long: 32 bits.
    qint32 toLong() const;
    qint64 toInt64() const;
    double toDouble() const;
    // Plain text: a null is an error.
    QString toString() const;
    // Text as a concatenation sees it: a null gives "", so a null path joined
    // to the program folder gives the folder alone.
    QString concatText() const;
    // Date-time values, and text in ISO-8601 form.
    QDateTime toDateTime() const;

    friend bool operator==(const Variant &a, const Variant &b) { return a.m_value == b.m_value; }
    friend bool operator!=(const Variant &a, const Variant &b) { return !(a == b); }

private:
    qint64 toWhole(qint64 lowest, qint64 highest) const;

    std::variant<std::monostate, qint64, double, QString, QDateTime> m_value;
};

// Date-times are stored as ISO-8601 text to the second ("2024-05-01T13:45:00").
QString isoText(const QDateTime &when);
QDateTime fromIsoText(const QString &text); // invalid when the text is no date

} // namespace db
