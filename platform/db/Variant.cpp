#include "platform/db/Variant.h"

#include "platform/core/RuntimeError.h"

#include <cmath>
#include <limits>

namespace db {
namespace {

// Text read as a number, as the run time does it: blanks around are allowed,
// anything else that is not a number is a type mismatch.
double numberFromText(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // A number too large for a double ("1e400") is read as infinity, not ok.
    if (!ok && std::isinf(value))
        platform::raise(platform::err::Overflow);
    if (!ok || !std::isfinite(value))
        platform::raise(platform::err::TypeMismatch);
    return value;
}

qint64 inRange(qint64 whole, qint64 lowest, qint64 highest)
{
    if (whole < lowest || whole > highest)
        platform::raise(platform::err::Overflow);
    return whole;
}

} // namespace

Variant::Variant(double value)
    : m_value(value)
{}

Variant::Variant(const QString &text)
    : m_value(text)
{}

Variant::Variant(const char *utf8)
    : m_value(QString::fromUtf8(utf8))
{}

Variant::Variant(const QDateTime &when)
    : m_value(when)
{}

Variant::Type Variant::type() const
{
    return static_cast<Type>(m_value.index());
}

qint64 Variant::toWhole(qint64 lowest, qint64 highest) const
{
    double number = 0;
    switch (type()) {
    case Type::Null:
        platform::raise(platform::err::InvalidUseOfNull);
    case Type::Integer:
        return inRange(std::get<qint64>(m_value), lowest, highest);
    case Type::Real:
        number = std::get<double>(m_value);
        break;
    case Type::Text: {
        // Whole numbers are read exactly: through a double, 2^63 - 1 would
        // become 2^63 and overflow.
        bool whole = false;
        const qint64 exact = std::get<QString>(m_value).trimmed().toLongLong(&whole);
        if (whole)
            return inRange(exact, lowest, highest);
        number = numberFromText(std::get<QString>(m_value));
        break;
    }
    case Type::DateTime:
        platform::raise(platform::err::TypeMismatch);
    }
    // Banker's rounding, as the run time's integer conversions do (2.5 -> 2).
    const double rounded = std::nearbyint(number);
    // "< highest + 1" keeps 2^63 out, which a double cannot tell from 2^63 - 1.
    if (!(rounded >= static_cast<double>(lowest) && rounded < static_cast<double>(highest) + 1.0))
        platform::raise(platform::err::Overflow);
    return static_cast<qint64>(rounded);
}

qint16 Variant::toInteger() const
{
    return static_cast<qint16>(toWhole(-32768, 32767));
}

qint32 Variant::toLong() const
{
    return static_cast<qint32>(toWhole(-2147483647LL - 1, 2147483647LL));
}

qint64 Variant::toInt64() const
{
    return toWhole(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
}

double Variant::toDouble() const
{
    switch (type()) {
    case Type::Null:
        platform::raise(platform::err::InvalidUseOfNull);
    case Type::Integer:
        return static_cast<double>(std::get<qint64>(m_value));
    case Type::Real:
        return std::get<double>(m_value);
    case Type::Text:
        return numberFromText(std::get<QString>(m_value));
    case Type::DateTime:
        break;
    }
    platform::raise(platform::err::TypeMismatch);
}

QString Variant::toString() const
{
    if (isNull())
        platform::raise(platform::err::InvalidUseOfNull);
    return concatText();
}

QString Variant::concatText() const
{
    switch (type()) {
    case Type::Null:
        return QString();
    case Type::Integer:
        return QString::number(std::get<qint64>(m_value));
    case Type::Real:
        return QString::number(std::get<double>(m_value), 'g', 15);
    case Type::Text:
        return std::get<QString>(m_value);
    case Type::DateTime:
        return isoText(std::get<QDateTime>(m_value));
    }
    return QString();
}

QDateTime Variant::toDateTime() const
{
    switch (type()) {
    case Type::Null:
        platform::raise(platform::err::InvalidUseOfNull);
    case Type::DateTime:
        return std::get<QDateTime>(m_value);
    case Type::Text: {
        const QDateTime when = fromIsoText(std::get<QString>(m_value));
        if (when.isValid())
            return when;
        break;
    }
    case Type::Integer:
    case Type::Real:
        break;
    }
    platform::raise(platform::err::TypeMismatch);
}

QString isoText(const QDateTime &when)
{
    return when.toString(Qt::ISODate);
}

QDateTime fromIsoText(const QString &text)
{
    const QString trimmed = text.trimmed();
    QDateTime when = QDateTime::fromString(trimmed, Qt::ISODate);
    // SQLite's own date functions write a blank where ISO-8601 has a "T".
    if (!when.isValid() && trimmed.size() > 10 && trimmed.at(10) == u' ') {
        QString withT = trimmed;
        withT[10] = u'T';
        when = QDateTime::fromString(withT, Qt::ISODate);
    }
    return when;
}

} // namespace db
