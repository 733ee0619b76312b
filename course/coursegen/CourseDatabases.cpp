#include "course/coursegen/CourseDatabases.h"

#include "course/schema/Create.h"
#include "course/schema/Tables.h"
#include "course/schema/Writer.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Database.h"
#include "platform/db/Statement.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <filesystem>
#include <stdexcept>

namespace coursegen::databases {

void writeLevel(const LevelContent &content, const QString &file)
{
    const QString part = file + QStringLiteral(".part");
    QFile::remove(part);
    try {
        schema::createLevelDatabase(part);
        {
            schema::Writer writer(part);
            writer.begin();
            for (const schema::LetterRow &row : content.letters)
                writer.addLetter(row);
            writer.addExam(1, content.passMark);
            if (content.maxLetter)
                writer.addConfiguration(*content.maxLetter);
            for (const KeyRow &key : content.keys)
                writer.addKeyboardChar(key.keyboardId, key.code, key.character, key.picture,
                                       key.sound);
            for (const WordRow &word : content.words)
                writer.addWord(word.wordId, word.soundFile);
            for (const WordLetterRow &letter : content.wordLetters)
                writer.addWordLetter(letter.wordId, letter.keyboardId, letter.id);
            writer.commit();
        }
        // Unlike QFile::rename, replaces the old file in one step.
        std::filesystem::rename(QFile::encodeName(part).toStdString(),
                                QFile::encodeName(file).toStdString());
    } catch (const platform::RuntimeError &error) {
        QFile::remove(part);
        throw std::runtime_error(error.description().toStdString());
    } catch (const std::filesystem::filesystem_error &error) {
        QFile::remove(part);
        throw std::runtime_error("cannot move " + part.toStdString() +
                                 " into place: " + error.what());
    }
}

bool hasUsersTable(const QString &file)
{
    try {
        const auto database = db::Database::openExisting(file);
        db::Statement statement(*database, QStringLiteral("PRAGMA table_info(UserDetails)"));
        QHash<QString, QString> types;
        while (statement.step())
            types.insert(statement.value(1).toString().toCaseFolded(),
                         statement.value(2).toString().toUpper());
        const schema::Table *users =
            schema::findTable(schema::usersTables(), QStringLiteral("UserDetails"));
        for (const schema::Column &column : users->columns) {
            if (types.value(column.name.toCaseFolded()) != column.type)
                return false;
        }
        return true;
    } catch (const platform::RuntimeError &) {
        return false;
    }
}

UsersFile ensureUsers(const QString &file)
{
    if (!QFileInfo::exists(file)) {
        try {
            schema::createUsersDatabase(file);
        } catch (const platform::RuntimeError &error) {
            throw std::runtime_error(error.description().toStdString());
        }
        return UsersFile::Created;
    }
    if (!hasUsersTable(file)) {
        throw std::runtime_error(
            file.toStdString() +
            " exists but has no UserDetails table as the program reads it; it is left as it is "
            "(move it away to have a new, empty one made)");
    }
    return UsersFile::Kept;
}

} // namespace coursegen::databases
