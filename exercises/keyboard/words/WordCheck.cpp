#include "exercises/keyboard/words/WordCheck.h"

#include "exercises/keyboard/keyboards/KeyboardForms.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <optional>

namespace words {
namespace {

// The rows of the words in `ids`, opened on `connection`.
void openBetween(db::Recordset &rs, db::Connection &connection, const QString &table,
                 const QString &fields, WordIds ids)
{
    rs.Open(QStringLiteral("select %1 from %2 WHERE WordID>=? AND WordID<=? Order by WordID")
                .arg(fields, table),
            connection, {ids.first, ids.last});
}

// A null, or text that is no number, is no key at all.
std::optional<qint64> keyNumber(const db::Variant &value)
{
    try {
        return value.toInt64();
    } catch (const platform::RuntimeError &) {
        return std::nullopt;
    }
}

bool isKey(const keyboards::KeyboardForm &design, qint64 number)
{
    return number >= design.keyNumber(0) && number <= design.keyNumber(design.keys - 1);
}

} // namespace

bool fillsKeyboard(const keyboards::KeyboardForm &design, int keyRows)
{
    if (keyRows == design.keys)
        return true;
    modErrors::ReportBadData(QStringLiteral("The key set of this level has %1 keys; the %2 has %3.")
                                 .arg(keyRows)
                                 .arg(QString::fromLatin1(design.caption).toLower())
                                 .arg(design.keys));
    return false;
}

bool canBeTyped(const QString &levelDbPath, WordIds sounds, WordIds letters,
                const keyboards::KeyboardForm &design)
{
    try {
        db::Connection connection;
        connection.Open(modMain::ConnectionString(levelDbPath));
        db::Recordset rs;
        openBetween(rs, connection, QStringLiteral("Words"),
                    QStringLiteral("WordID, WordSoundFile"), sounds);
        rs.Close();
        openBetween(rs, connection, QStringLiteral("WordLetter"),
                    QStringLiteral("WordID, KeyboardId"), letters);
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            const db::Variant key = rs.Field(QStringLiteral("KeyboardId"));
            const std::optional<qint64> number = keyNumber(key);
            if (!number || !isKey(design, *number)) {
                modErrors::ReportBadData(
                    QStringLiteral("Word %1 of this level has the letter \"%2\", which no key "
                                   "gives.")
                        .arg(rs.Field(QStringLiteral("WordID")).concatText(),
                             key.isNull() ? QStringLiteral("Null") : key.concatText()));
                return false;
            }
        }
        rs.Close();
        connection.Close();
        return true;
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
        return false;
    }
}

} // namespace words
