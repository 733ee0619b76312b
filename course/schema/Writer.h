#pragma once

#include "platform/db/Variant.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <utility>

namespace db {
class Database;
}

namespace schema {

struct LetterRow;
struct Table;

// Rows written straight into a database made by createUsersDatabase or
// createLevelDatabase: for the content tool and the test doubles. (The
// program itself writes only through db::Recordset.) Table and column names
// are checked against the tables; values are bound, converted to the
// column's type. Each insert commits at once unless inside begin()/commit().
class Writer final
{
public:
    using Values = QList<std::pair<QString, db::Variant>>;

    explicit Writer(const QString &path); // an existing file
    ~Writer();                            // rolls back an open transaction
    Q_DISABLE_COPY_MOVE(Writer)

    void insert(const QString &table, const Values &values);

    void begin();
    void commit();

    void addUser(const QString &userName, const db::Variant &password, int levelAt,
                 const QDateTime &lastUpdated = QDateTime::currentDateTime());
    void addLetter(const LetterRow &row);
    void addKeyboardChar(int keyboardId, const db::Variant &code, const db::Variant &character,
                         const db::Variant &picture, const db::Variant &sound);
    void addWord(int wordId, const db::Variant &soundFile);
    void addWordLetter(int wordId, int keyboardId, int id);
    void addExam(int id, int passMark);
    void addConfiguration(int maxLetter);

private:
    const Table &table(const QString &name) const;

    std::unique_ptr<db::Database> m_database;
    QString m_path;
    bool m_inTransaction = false;
};

} // namespace schema
