#include "course/schema/Tables.h"

namespace schema {
namespace {

Column text(const char *name)
{
    return {QString::fromLatin1(name), QStringLiteral("TEXT")};
}

Column integer(const char *name)
{
    return {QString::fromLatin1(name), QStringLiteral("INTEGER")};
}

// The two illustrated examples of a letter have the same seven columns.
void addPicture(QList<Column> &columns, const QString &which)
{
    const QString prefix = QStringLiteral("Picture") + which;
    columns << Column{prefix + QStringLiteral("Animation"), QStringLiteral("TEXT")}
            << Column{prefix + QStringLiteral("Top"), QStringLiteral("INTEGER")}
            << Column{prefix + QStringLiteral("Left"), QStringLiteral("INTEGER")}
            << Column{prefix + QStringLiteral("Height"), QStringLiteral("INTEGER")}
            << Column{prefix + QStringLiteral("Width"), QStringLiteral("INTEGER")}
            << Column{prefix + QStringLiteral("Sound"), QStringLiteral("TEXT")}
            << Column{prefix + QStringLiteral("Word"), QStringLiteral("TEXT")};
}

Table letters()
{
    QList<Column> columns{integer("ID"), text("LetterPicture"), text("LetterAnimation"),
                          text("LetterSound"), text("LetterPronounciation")};
    addPicture(columns, QStringLiteral("A"));
    addPicture(columns, QStringLiteral("B"));
    for (int i = 1; i <= 6; ++i)
        columns << Column{QStringLiteral("PictureLetter%1").arg(i), QStringLiteral("TEXT")};
    return {QStringLiteral("Letters"), columns, {}};
}

} // namespace

const QList<Table> &usersTables()
{
    // User names are unique and sorted without regard to case, as the login
    // compares them; passwords are compared exactly.
    static const QList<Table> tables{
        {QStringLiteral("UserDetails"),
         {{QStringLiteral("UserName"), QStringLiteral("TEXT"),
           QStringLiteral("NOT NULL COLLATE NOCASE UNIQUE")},
          text("Password"),
          {QStringLiteral("LevelAt"), QStringLiteral("SMALLINT")},
          {QStringLiteral("LastUpdated"), QStringLiteral("DATETIME")}},
         {}},
    };
    return tables;
}

const QList<Table> &levelTables()
{
    // No keys or uniqueness here: the level files are read only, and the
    // program must cope with whatever rows they hold.
    static const QList<Table> tables{
        letters(),
        {QStringLiteral("KeyboardCharSet"),
         {integer("KeyboardID"), text("KeyboardCode"), text("KeyboardCharacter"),
          text("LetterPicture"), text("LetterSound")},
         {}},
        {QStringLiteral("Words"),
         {integer("WordID"), text("WordSoundFile")},
         {QStringLiteral("CREATE INDEX WordsByWordID ON Words(WordID)")}},
        // The spelling test reads a word's letters without a sort clause; the
        // index hands them over in Id order, which is spelling order.
        {QStringLiteral("WordLetter"),
         {integer("WordID"), integer("KeyboardId"), integer("Id")},
         {QStringLiteral("CREATE INDEX WordLetterByWordID ON WordLetter(WordID, Id)")}},
        {QStringLiteral("Exam"), {integer("ID"), integer("PassMark")}, {}},
        {QStringLiteral("Configuration"), {integer("MaxLetter")}, {}},
    };
    return tables;
}

const Table *findTable(const QList<Table> &tables, const QString &name)
{
    for (const Table &table : tables) {
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

const Column *findColumn(const Table &table, const QString &name)
{
    for (const Column &column : table.columns) {
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return &column;
    }
    return nullptr;
}

QString createStatement(const Table &table)
{
    QStringList columns;
    for (const Column &column : table.columns)
        columns << (column.name + u' ' + column.type + u' ' + column.constraints).trimmed();
    return QStringLiteral("CREATE TABLE ") + table.name + QStringLiteral(" (") +
           columns.join(QStringLiteral(", ")) + u')';
}

} // namespace schema
