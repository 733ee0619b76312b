#include "course/coursegen/TsvFile.h"

#include "course/coursegen/TableError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace coursegen {
namespace {

bool isIgnored(const QString &line)
{
    return line.trimmed().isEmpty() || line.startsWith(u'#');
}

void checkCells(const QString &file, int line, const QStringList &cells, const QStringList &columns)
{
    if (cells.size() != columns.size()) {
        throw TableError(
            file, line,
            QStringLiteral("expected %1 columns, found %2").arg(columns.size()).arg(cells.size()));
    }
    for (int i = 0; i < cells.size(); ++i) {
        const QString &cell = cells.at(i);
        if (cell.isEmpty())
            throw TableError(file, line, QStringLiteral("empty cell in column %1").arg(columns[i]));
        if (cell.trimmed() != cell) {
            throw TableError(file, line,
                             QStringLiteral("spaces around the cell in column %1 (separate "
                                            "columns with one TAB)")
                                 .arg(columns[i]));
        }
    }
}

} // namespace

TsvFile TsvFile::read(const QString &path, const QStringList &columns)
{
    TsvFile table;
    table.m_name = QFileInfo(path).fileName();
    table.m_columns = columns;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TableError(table.m_name, 0,
                         QStringLiteral("cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();

    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw TableError(table.m_name, 0, QStringLiteral("is not UTF-8 text"));

    // A byte-order mark or Windows line ends are what an editor adds
    // unasked; they change nothing in the content, so they are accepted.
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
        lines.first().remove(0, 1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    bool haveHeader = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int number = i + 1;
        if (isIgnored(line))
            continue;
        const QStringList cells = line.split(u'\t');
        if (!haveHeader) {
            if (cells != columns) {
                throw TableError(table.m_name, number,
                                 QStringLiteral("expected the column names %1, found %2")
                                     .arg(columns.join(u' '), cells.join(u' ')));
            }
            haveHeader = true;
            continue;
        }
        checkCells(table.m_name, number, cells, columns);
        table.m_rows.append({number, cells});
    }
    table.m_lastLine = lines.size();
    if (!haveHeader)
        throw TableError(table.m_name, 0, QStringLiteral("has no line naming the columns"));
    return table;
}

} // namespace coursegen
