#include "exercises/keyboard/words/WordData.h"

#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

namespace words {
namespace {

// Opens the query of one word on its own connection, hands the rows to read,
// and closes both; no row at all ends the program.
template <typename Read>
void readWord(QWidget *owner, const QString &path, const QString &query, int wordId, Read &&read)
{
    try {
        forms::Screen::setMousePointer(forms::Hourglass);
        db::Connection connection;
        connection.Open(modMain::ConnectionString(path));
        db::Recordset rs;
        rs.Open(query, connection, {wordId});
        if (rs.RecordCount() == 0) {
            modMain::ShowMessageBox(owner, resources::LoadResString(resources::str::NoLetters),
                                    services::MessageBoxStyle::Exclamation);
            forms::Screen::setMousePointer(forms::DefaultPointer);
            modMain::CloseDatabaseAndEnd();
        }
        read(rs);
        rs.Close();
        connection.Close();
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
    }
    forms::Screen::setMousePointer(forms::DefaultPointer);
}

} // namespace

QString GetWordSoundFile(QWidget *owner, const QString &levelDbPath, int wordId)
{
    QString result;
    readWord(owner, levelDbPath, QStringLiteral("select WordSoundFile from Words WHERE WordID=?"),
             wordId, [&result](db::Recordset &rs) {
                 if (rs.RecordCount() != 1)
                     return;
                 rs.MoveFirst();
                 result =
                     platform::ProgramPath(rs.Field(QStringLiteral("WordSoundFile")).concatText());
             });
    return result;
}

std::vector<int> GetWordLetters(QWidget *owner, const QString &levelDbPath, int wordId)
{
    std::vector<int> letters;
    readWord(owner, levelDbPath,
             QStringLiteral("select KeyboardId from WordLetter WHERE WordID=? Order by Id"), wordId,
             [&letters](db::Recordset &rs) {
                 std::vector<int> read;
                 read.reserve(std::size_t(rs.RecordCount()));
                 for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
                     read.push_back(rs.Field(QStringLiteral("KeyboardId")).toInteger());
                 // All or nothing: a word cut short by an error would mark a
                 // right answer wrong.
                 letters = std::move(read);
             });
    return letters;
}

} // namespace words
