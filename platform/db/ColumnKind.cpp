#include "platform/db/ColumnKind.h"

namespace db {

ColumnKind kindOfDeclaredType(const QString &declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.isEmpty())
        return ColumnKind::Any;
    // Dates first: "DATETIME" and "TIMESTAMP" would otherwise read as numeric.
    if (type.contains(u"DATE") || type.contains(u"TIME"))
        return ColumnKind::DateTime;
    if (type.contains(u"SMALLINT"))
        return ColumnKind::Integer;
    if (type.contains(u"INT"))
        return ColumnKind::Long;
    if (type.contains(u"CHAR") || type.contains(u"CLOB") || type.contains(u"TEXT"))
        return ColumnKind::Text;
    if (type.contains(u"REAL") || type.contains(u"FLOA") || type.contains(u"DOUB"))
        return ColumnKind::Real;
    return ColumnKind::Any;
}

Variant toStored(ColumnKind kind, const Variant &value)
{
    if (value.isNull())
        return value;
    switch (kind) {
    case ColumnKind::Any:
        return value;
    case ColumnKind::Integer:
        return value.toInteger();
    case ColumnKind::Long:
        return value.toLong();
    case ColumnKind::Real:
        return value.toDouble();
    case ColumnKind::Text:
        return value.toString();
    case ColumnKind::DateTime:
        return value.toDateTime();
    }
    return value;
}

Variant fromStored(ColumnKind kind, const Variant &stored)
{
    switch (kind) {
    case ColumnKind::DateTime:
        if (stored.type() == Variant::Type::Text) {
            const QDateTime when = fromIsoText(stored.concatText());
            if (when.isValid())
                return when;
        }
        return stored;
    case ColumnKind::Real:
        if (stored.type() == Variant::Type::Integer)
            return stored.toDouble();
        return stored;
    case ColumnKind::Any:
    case ColumnKind::Integer:
    case ColumnKind::Long:
    case ColumnKind::Text:
        return stored;
    }
    return stored;
}

} // namespace db
