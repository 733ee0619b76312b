#include "platform/db/ConnectionString.h"

namespace db {

QString dataSource(const QString &connectionString)
{
    qsizetype at = 0;
    const qsizetype size = connectionString.size();
    while (at < size) {
        const qsizetype equals = connectionString.indexOf(u'=', at);
        if (equals < 0)
            break;
        // A segment without "=" before this one is not part of the key.
        const qsizetype keyStart = connectionString.lastIndexOf(u';', equals) + 1;
        const QString key =
            connectionString.mid(qMax(at, keyStart), equals - qMax(at, keyStart)).trimmed();
        qsizetype valueStart = equals + 1;
        while (valueStart < size && connectionString.at(valueStart).isSpace())
            ++valueStart;

        QString value;
        qsizetype next = size;
        const QChar first = valueStart < size ? connectionString.at(valueStart) : QChar();
        if (first == u'"' || first == u'\'') {
            // A quoted value may hold ";", as a folder name can.
            const qsizetype close = connectionString.indexOf(first, valueStart + 1);
            const qsizetype end = close < 0 ? size : close;
            value = connectionString.mid(valueStart + 1, end - valueStart - 1);
            const qsizetype semicolon = connectionString.indexOf(u';', end);
            next = semicolon < 0 ? size : semicolon + 1;
        } else {
            const qsizetype semicolon = connectionString.indexOf(u';', valueStart);
            const qsizetype end = semicolon < 0 ? size : semicolon;
            value = connectionString.mid(valueStart, end - valueStart).trimmed();
            next = semicolon < 0 ? size : semicolon + 1;
        }
        if (key.compare(u"Data Source", Qt::CaseInsensitive) == 0)
            return value;
        at = next;
    }
    return QString();
}

} // namespace db
