#include "course/coursegen/SayText.h"

#include "course/coursegen/TableError.h"

namespace coursegen {
namespace {

bool isGujarati(char32_t c)
{
    // The Gujarati block, the joiners that shape its conjuncts, and spaces.
    return (c >= 0x0A80 && c <= 0x0AFF) || c == 0x200C || c == 0x200D || c == u' ';
}

bool isPhonemeName(char32_t c)
{
    return c >= 0x21 && c <= 0x7E && c != u'[' && c != u']';
}

QString codeOf(char32_t c)
{
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(QString::fromUcs4(&c, 1),
             QStringLiteral("%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper());
}

} // namespace

QString sayFault(const QString &say)
{
    const QString open = QStringLiteral("[[");
    const QString close = QStringLiteral("]]");
    qsizetype pos = 0;
    while (pos < say.size()) {
        const qsizetype start = say.indexOf(open, pos);
        const QString text = say.mid(pos, start < 0 ? -1 : start - pos);
        for (const char32_t c : text.toUcs4()) {
            if (!isGujarati(c))
                return QStringLiteral("\"%1\" has %2 outside [[ ]]: write Gujarati, or "
                                      "espeak-ng's phonemes between [[ and ]]")
                    .arg(say, codeOf(c));
        }
        if (start < 0)
            break;
        const qsizetype end = say.indexOf(close, start + open.size());
        if (end < 0)
            return QStringLiteral("\"%1\" opens [[ without closing it with ]]").arg(say);
        const QString names = say.mid(start + open.size(), end - start - open.size());
        if (names.trimmed().isEmpty())
            return QStringLiteral("\"%1\" has no phonemes between [[ and ]]").arg(say);
        for (const char32_t c : names.toUcs4()) {
            if (!isPhonemeName(c) && c != u' ')
                return QStringLiteral("\"%1\" has %2 between [[ and ]], where only espeak-ng's "
                                      "phoneme names (plain ASCII) go")
                    .arg(say, codeOf(c));
        }
        pos = end + close.size();
    }
    return {};
}

QString spokenText(const TsvFile &file, const TsvRow &row, const QString &column,
                   const QString &written)
{
    const QString cell = row.cells.at(file.column(column));
    if (!written.isEmpty() && cell == AsWritten)
        return written;
    const QString fault = sayFault(cell);
    if (!fault.isEmpty())
        throw TableError(file.name(), row.line, column + QStringLiteral(": ") + fault);
    return cell;
}

} // namespace coursegen
