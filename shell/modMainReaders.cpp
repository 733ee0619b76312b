#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Screen.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QApplication>

namespace modMain {
namespace {

constexpr int ExclamationOk = 48;

QString pathField(const db::Recordset &rs, const QString &name)
{
    // A null path gives the program folder alone.
    return platform::ProgramPath(rs.Field(name).concatText());
}

int integerField(const db::Recordset &rs, const QString &name)
{
    return rs.Field(name).toInteger();
}

QString textField(const db::Recordset &rs, const QString &name)
{
    return rs.Field(name).toString();
}

Letter readLetter(const db::Recordset &rs)
{
    Letter letter;
    letter.LetterPicture = pathField(rs, QStringLiteral("LetterPicture"));
    letter.LetterAnimation = pathField(rs, QStringLiteral("LetterAnimation"));
    letter.LetterSound = pathField(rs, QStringLiteral("LetterSound"));
    letter.LetterPronounciation = textField(rs, QStringLiteral("LetterPronounciation"));
    letter.PictureAAnimation = pathField(rs, QStringLiteral("PictureAAnimation"));
    letter.PictureATop = integerField(rs, QStringLiteral("PictureATop"));
    letter.PictureALeft = integerField(rs, QStringLiteral("PictureALeft"));
    letter.PictureAHeight = integerField(rs, QStringLiteral("PictureAHeight"));
    letter.PictureAWidth = integerField(rs, QStringLiteral("PictureAWidth"));
    letter.PictureASound = pathField(rs, QStringLiteral("PictureASound"));
    letter.PictureAWord = pathField(rs, QStringLiteral("PictureAWord"));
    letter.PictureBAnimation = pathField(rs, QStringLiteral("PictureBAnimation"));
    letter.PictureBTop = integerField(rs, QStringLiteral("PictureBTop"));
    letter.PictureBLeft = integerField(rs, QStringLiteral("PictureBLeft"));
    letter.PictureBHeight = integerField(rs, QStringLiteral("PictureBHeight"));
    letter.PictureBWidth = integerField(rs, QStringLiteral("PictureBWidth"));
    letter.PictureBSound = pathField(rs, QStringLiteral("PictureBSound"));
    letter.PictureBWord = pathField(rs, QStringLiteral("PictureBWord"));
    for (int i = 0; i < 6; ++i)
        letter.PictureLetter[i] = pathField(rs, QStringLiteral("PictureLetter%1").arg(i + 1));
    return letter;
}

KeyboardChar readKeyboardChar(const db::Recordset &rs)
{
    KeyboardChar key;
    key.KeyboardID = integerField(rs, QStringLiteral("KeyboardID"));
    key.KeyboardCode = textField(rs, QStringLiteral("KeyboardCode"));
    key.KeyboardCharacter = textField(rs, QStringLiteral("KeyboardCharacter"));
    key.LetterPicture = pathField(rs, QStringLiteral("LetterPicture"));
    key.LetterSound = pathField(rs, QStringLiteral("LetterSound"));
    return key;
}

// The three readers differ only in query, target and first index. The whole
// table is read in one pass and the level database closed at once. Whether
// it was read; if not, what was read before stays.
template <typename Record>
bool readLevelTable(const QString &query, std::vector<Record> &target, int &count, int firstIndex,
                    Record (*read)(const db::Recordset &))
{
    try {
        forms::Screen::setMousePointer(forms::Hourglass);
        db::Connection connection;
        connection.Open(ConnectionString(gLevelDbPath));
        db::Recordset rs;
        rs.Open(query, connection);
        count = rs.RecordCount();
        if (count == 0) {
            ShowMessageBox(QApplication::activeWindow(),
                           resources::LoadResString(resources::str::NoLetters), ExclamationOk);
            forms::Screen::setMousePointer(forms::DefaultPointer);
            CloseDatabaseAndEnd();
        }
        target.assign(static_cast<size_t>(count + firstIndex), Record{});
        size_t index = static_cast<size_t>(firstIndex);
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            target[index++] = read(rs);
        rs.Close();
        connection.Close();
    } catch (const platform::RuntimeError &error) {
        modErrors::gErrMsg = modErrors::ErrorReport(error);
        forms::Screen::setMousePointer(forms::DefaultPointer);
        return false;
    }
    forms::Screen::setMousePointer(forms::DefaultPointer);
    return true;
}

} // namespace

void LoadLetterRecords()
{
    readLevelTable(QStringLiteral("select * from Letters Order by ID"), gLetters, gLetterCount, 1,
                   &readLetter);
}

bool LoadKeyboardCharSet()
{
    return readLevelTable(QStringLiteral("select * from KeyboardCharSet Order by KeyboardID"),
                          gKeyboardChars, gKeyboardCharCount, 1, &readKeyboardChar);
}

bool LoadNumKeyboardCharSet()
{
    return readLevelTable(QStringLiteral("select * from KeyboardCharSet Order by KeyboardID"),
                          gNumKeyboardChars, gNumKeyboardCharCount, 0, &readKeyboardChar);
}

} // namespace modMain
