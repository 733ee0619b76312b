#include "course/schema/Writer.h"

#include "course/schema/LetterRow.h"
#include "course/schema/Tables.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/ColumnKind.h"
#include "platform/db/Database.h"
#include "platform/db/Statement.h"

namespace schema {
namespace {

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    platform::raise(platform::err::DatabaseError,
                    QStringLiteral("Cannot write to the database %1: %2").arg(path, reason));
}

} // namespace

Writer::Writer(const QString &path)
    : m_path(path)
{
    try {
        m_database = db::Database::openExisting(path);
    } catch (const platform::RuntimeError &error) {
        fail(path, error.description());
    }
}

Writer::~Writer()
{
    if (m_inTransaction) {
        try {
            m_database->exec(QStringLiteral("ROLLBACK"));
        } catch (const platform::RuntimeError &) {
            // Closing the handle rolls back all the same.
        }
    }
}

const Table &Writer::table(const QString &name) const
{
    const Table *found = findTable(usersTables(), name);
    if (!found)
        found = findTable(levelTables(), name);
    if (!found)
        fail(m_path, QStringLiteral("there is no table %1.").arg(name));
    return *found;
}

void Writer::insert(const QString &tableName, const Values &values)
{
    const Table &target = table(tableName);
    QStringList columns;
    QList<db::Variant> bound;
    for (const auto &[name, value] : values) {
        const Column *column = findColumn(target, name);
        if (!column)
            fail(m_path, QStringLiteral("table %1 has no column %2.").arg(target.name, name));
        columns << column->name;
        bound << db::toStored(db::kindOfDeclaredType(column->type), value);
    }
    const QStringList marks(columns.size(), QStringLiteral("?"));
    const QString sql = columns.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(target.name)
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(target.name, columns.join(u','), marks.join(u','));
    db::Statement statement(*m_database, sql);
    for (int i = 0; i < bound.size(); ++i)
        statement.bind(i + 1, bound.at(i));
    statement.run();
}

void Writer::begin()
{
    m_database->exec(QStringLiteral("BEGIN"));
    m_inTransaction = true;
}

void Writer::commit()
{
    m_database->exec(QStringLiteral("COMMIT"));
    m_inTransaction = false;
}

void Writer::addUser(const QString &userName, const db::Variant &password, int levelAt,
                     const QDateTime &lastUpdated)
{
    insert(QStringLiteral("UserDetails"), {{QStringLiteral("UserName"), userName},
                                           {QStringLiteral("Password"), password},
                                           {QStringLiteral("LevelAt"), levelAt},
                                           {QStringLiteral("LastUpdated"), lastUpdated}});
}

void Writer::addLetter(const LetterRow &row)
{
    Values values{{QStringLiteral("ID"), row.ID},
                  {QStringLiteral("LetterPicture"), row.LetterPicture},
                  {QStringLiteral("LetterAnimation"), row.LetterAnimation},
                  {QStringLiteral("LetterSound"), row.LetterSound},
                  {QStringLiteral("LetterPronounciation"), row.LetterPronounciation},
                  {QStringLiteral("PictureAAnimation"), row.PictureAAnimation},
                  {QStringLiteral("PictureATop"), row.PictureATop},
                  {QStringLiteral("PictureALeft"), row.PictureALeft},
                  {QStringLiteral("PictureAHeight"), row.PictureAHeight},
                  {QStringLiteral("PictureAWidth"), row.PictureAWidth},
                  {QStringLiteral("PictureASound"), row.PictureASound},
                  {QStringLiteral("PictureAWord"), row.PictureAWord},
                  {QStringLiteral("PictureBAnimation"), row.PictureBAnimation},
                  {QStringLiteral("PictureBTop"), row.PictureBTop},
                  {QStringLiteral("PictureBLeft"), row.PictureBLeft},
                  {QStringLiteral("PictureBHeight"), row.PictureBHeight},
                  {QStringLiteral("PictureBWidth"), row.PictureBWidth},
                  {QStringLiteral("PictureBSound"), row.PictureBSound},
                  {QStringLiteral("PictureBWord"), row.PictureBWord}};
    const db::Variant tracing[] = {row.PictureLetter1, row.PictureLetter2, row.PictureLetter3,
                                   row.PictureLetter4, row.PictureLetter5, row.PictureLetter6};
    for (int i = 0; i < 6; ++i)
        values.append({QStringLiteral("PictureLetter%1").arg(i + 1), tracing[i]});
    insert(QStringLiteral("Letters"), values);
}

void Writer::addKeyboardChar(int keyboardId, const db::Variant &code, const db::Variant &character,
                             const db::Variant &picture, const db::Variant &sound)
{
    insert(QStringLiteral("KeyboardCharSet"), {{QStringLiteral("KeyboardID"), keyboardId},
                                               {QStringLiteral("KeyboardCode"), code},
                                               {QStringLiteral("KeyboardCharacter"), character},
                                               {QStringLiteral("LetterPicture"), picture},
                                               {QStringLiteral("LetterSound"), sound}});
}

void Writer::addWord(int wordId, const db::Variant &soundFile)
{
    insert(QStringLiteral("Words"),
           {{QStringLiteral("WordID"), wordId}, {QStringLiteral("WordSoundFile"), soundFile}});
}

void Writer::addWordLetter(int wordId, int keyboardId, int id)
{
    insert(QStringLiteral("WordLetter"), {{QStringLiteral("WordID"), wordId},
                                          {QStringLiteral("KeyboardId"), keyboardId},
                                          {QStringLiteral("Id"), id}});
}

void Writer::addExam(int id, int passMark)
{
    insert(QStringLiteral("Exam"),
           {{QStringLiteral("ID"), id}, {QStringLiteral("PassMark"), passMark}});
}

void Writer::addConfiguration(int maxLetter)
{
    insert(QStringLiteral("Configuration"), {{QStringLiteral("MaxLetter"), maxLetter}});
}

} // namespace schema
