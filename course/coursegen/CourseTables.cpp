#include "course/coursegen/CourseTables.h"

#include "course/coursegen/LevelCapacity.h"
#include "course/coursegen/SayText.h"
#include "course/coursegen/TableError.h"
#include "course/coursegen/TsvFile.h"
#include "platform/text/KeyText.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace coursegen {
namespace {

struct TableShape
{
    ItemTable table;
    QStringList columns;
    int rows;
};

const QList<TableShape> &shapes()
{
    static const QStringList examples{QStringLiteral("word_a"),  QStringLiteral("say_a"),
                                      QStringLiteral("emoji_a"), QStringLiteral("word_b"),
                                      QStringLiteral("say_b"),   QStringLiteral("emoji_b")};
    static const QList<TableShape> list{
        {ItemTable::Consonants,
         QStringList{QStringLiteral("key"), QStringLiteral("letter"), QStringLiteral("name"),
                     QStringLiteral("say")} +
             examples,
         34},
        {ItemTable::Vowels,
         QStringList{QStringLiteral("letter"), QStringLiteral("name"), QStringLiteral("say")} +
             examples,
         12},
        {ItemTable::VowelSigns,
         QStringList{QStringLiteral("key"), QStringLiteral("sign"), QStringLiteral("shown"),
                     QStringLiteral("name"), QStringLiteral("say")} +
             examples,
         12},
        {ItemTable::Numerals,
         QStringList{QStringLiteral("numeral"), QStringLiteral("value"), QStringLiteral("name"),
                     QStringLiteral("say")} +
             examples,
         10},
    };
    return list;
}

// A whole number written in plain digits, within the given range.
int wholeNumber(const TsvFile &file, const TsvRow &row, const QString &column, int lowest,
                int highest)
{
    const QString cell = row.cells.at(file.column(column));
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    if (!digits.match(cell).hasMatch()) {
        throw TableError(
            file.name(), row.line,
            QStringLiteral("%1: expected a whole number, found \"%2\"").arg(column, cell));
    }
    const int value = cell.toInt();
    if (value < lowest || value > highest) {
        throw TableError(file.name(), row.line,
                         QStringLiteral("%1: %2 is outside %3 to %4")
                             .arg(column)
                             .arg(value)
                             .arg(lowest)
                             .arg(highest));
    }
    return value;
}

CourseItem itemOf(const TableShape &shape, const TsvFile &file, const TsvRow &row, int index)
{
    const auto cell = [&](const char *column) {
        return row.cells.at(file.column(QString::fromLatin1(column)));
    };
    CourseItem item;
    item.table = shape.table;
    item.index = index;
    item.key = row.cells.first();
    item.name = cell("name");
    item.say = spokenText(file, row, QStringLiteral("say"));
    for (int e = 0; e < 2; ++e) {
        const QString suffix = e == 0 ? QStringLiteral("_a") : QStringLiteral("_b");
        Example &example = item.examples[std::size_t(e)];
        example.word = row.cells.at(file.column(QStringLiteral("word") + suffix));
        example.emoji = row.cells.at(file.column(QStringLiteral("emoji") + suffix));
        example.say = spokenText(file, row, QStringLiteral("say") + suffix, example.word);
    }
    switch (shape.table) {
    case ItemTable::Consonants:
        item.text = cell("letter");
        // The program finds consonants by their key; a key that does not
        // stand for its letter would teach one letter and test another.
        // The keyboard types it by its key, and the spelling words give
        // that key's number.
        if (item.key.size() != 1 || text::consonantText(item.key.front()).isEmpty()) {
            throw TableError(
                file.name(), row.line,
                QStringLiteral("key \"%1\" is not a key of the letter keyboard").arg(item.key));
        }
        if (text::toUnicode(item.key) != item.text) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("key \"%1\" stands for %2, not %3")
                                 .arg(item.key, text::toUnicode(item.key), item.text));
        }
        break;
    case ItemTable::Vowels:
        item.text = cell("letter");
        break;
    case ItemTable::VowelSigns:
        item.text = cell("shown");
        if (!item.text.contains(cell("sign"))) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("shown: \"%1\" does not contain the sign %2")
                                 .arg(item.text, cell("sign")));
        }
        break;
    case ItemTable::Numerals:
        item.text = cell("numeral");
        // The example pictures show that many things, so it must stay countable.
        item.count = wholeNumber(file, row, QStringLiteral("value"), 1, 20);
        break;
    }
    return item;
}

// The word each picture of the letters' lessons already stands for, and where.
struct PictureOwner
{
    QString word;
    QString place; // file:line
};
using PictureOwners = QHash<QString, PictureOwner>;

// A child shown one picture for two words cannot tell which is meant.
void claimPictures(const CourseItem &item, const TsvFile &file, const TsvRow &row,
                   PictureOwners &owners)
{
    for (const Example &example : item.examples) {
        // With or without the emoji presentation selector, the font draws one picture.
        QString picture = example.emoji;
        picture.remove(QChar(0xFE0F));
        const auto owner = owners.constFind(picture);
        if (owner != owners.cend()) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("the picture %1 of %2 is already that of %3 (%4)")
                                 .arg(example.emoji, example.word, owner->word, owner->place));
        }
        owners.insert(picture,
                      {example.word, QStringLiteral("%1:%2").arg(file.name()).arg(row.line)});
    }
}

// `pictures`, when given, gathers the examples' pictures and refuses one met before.
QList<CourseItem> loadItems(const QString &folder, const TableShape &shape,
                            PictureOwners *pictures = nullptr)
{
    const TsvFile file = TsvFile::read(
        QDir(folder).filePath(tableName(shape.table) + QStringLiteral(".tsv")), shape.columns);
    QList<CourseItem> items;
    QHash<QString, int> keyLines;
    for (const TsvRow &row : file.rows()) {
        const QString key = row.cells.first();
        if (keyLines.contains(key)) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("%1 \"%2\" is already on line %3")
                                 .arg(shape.columns.first(), key)
                                 .arg(keyLines.value(key)));
        }
        keyLines.insert(key, row.line);
        items.append(itemOf(shape, file, row, int(items.size()) + 1));
        if (pictures)
            claimPictures(items.last(), file, row, *pictures);
    }
    if (items.size() != shape.rows) {
        throw TableError(
            file.name(), 0,
            QStringLiteral("expected %1 rows, found %2").arg(shape.rows).arg(items.size()));
    }
    return items;
}

LevelEntry levelOf(const CourseTables &tables, const TsvFile &file, const TsvRow &row)
{
    LevelEntry entry;
    entry.level = wholeNumber(file, row, QStringLiteral("level"), 1, CourseTables::LevelCount);
    entry.passMark = wholeNumber(file, row, QStringLiteral("pass_mark"), 0, 32767);

    const QString table = row.cells.at(file.column(QStringLiteral("table")));
    const QString items = row.cells.at(file.column(QStringLiteral("items")));
    if (table != QStringLiteral("-")) {
        for (const TableShape &shape : shapes()) {
            if (tableName(shape.table) == table)
                entry.table = shape.table;
        }
        if (!entry.table)
            throw TableError(file.name(), row.line,
                             QStringLiteral("unknown table \"%1\"").arg(table));
    }
    if (!entry.table && items != QStringLiteral("-")) {
        throw TableError(file.name(), row.line,
                         QStringLiteral("items given without a table (write - for none)"));
    }
    if (entry.table) {
        const QList<CourseItem> &list = tables.items(*entry.table);
        for (const QString &key : items.split(u' ')) {
            int found = -1;
            for (int i = 0; i < list.size(); ++i) {
                if (list.at(i).key == key)
                    found = i;
            }
            if (found < 0) {
                throw TableError(
                    file.name(), row.line,
                    QStringLiteral("unknown item \"%1\" (not in %2.tsv)").arg(key, table));
            }
            if (entry.items.contains(found)) {
                throw TableError(file.name(), row.line,
                                 QStringLiteral("item \"%1\" is listed twice").arg(key));
            }
            entry.items.append(found);
        }
    }
    const LevelCapacity range = LevelCapacity::of(entry.level);
    if (entry.items.size() < range.lowest || entry.items.size() > range.highest) {
        const QString wanted =
            range.lowest == range.highest
                ? QString::number(range.lowest)
                : QStringLiteral("%1 to %2").arg(range.lowest).arg(range.highest);
        throw TableError(file.name(), row.line,
                         QStringLiteral("level %1 has %2 items, expected %3: %4")
                             .arg(entry.level)
                             .arg(entry.items.size())
                             .arg(wanted, range.why));
    }
    if (range.questions > 0 && (entry.passMark < 1 || entry.passMark > range.questions)) {
        throw TableError(file.name(), row.line,
                         QStringLiteral("pass_mark: %1 is outside 1 to %2, the questions of "
                                        "level %3's test")
                             .arg(entry.passMark)
                             .arg(range.questions)
                             .arg(entry.level));
    }
    return entry;
}

QList<LevelEntry> loadLevels(const QString &folder, const CourseTables &tables)
{
    const TsvFile file =
        TsvFile::read(QDir(folder).filePath(QStringLiteral("levels.tsv")),
                      {QStringLiteral("level"), QStringLiteral("table"), QStringLiteral("items"),
                       QStringLiteral("pass_mark"), QStringLiteral("reason")});
    QList<LevelEntry> levels(CourseTables::LevelCount);
    QHash<int, int> lines;
    for (const TsvRow &row : file.rows()) {
        const LevelEntry entry = levelOf(tables, file, row);
        if (lines.contains(entry.level)) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("level %1 is already on line %2")
                                 .arg(entry.level)
                                 .arg(lines.value(entry.level)));
        }
        lines.insert(entry.level, row.line);
        levels[entry.level - 1] = entry;
    }
    for (int level = 1; level <= CourseTables::LevelCount; ++level) {
        if (!lines.contains(level))
            throw TableError(file.name(), 0, QStringLiteral("level %1 is missing").arg(level));
    }
    return levels;
}

bool compassPoints(const QString &starts)
{
    static const QStringList points{
        QStringLiteral("n"), QStringLiteral("ne"), QStringLiteral("e"), QStringLiteral("se"),
        QStringLiteral("s"), QStringLiteral("sw"), QStringLiteral("w"), QStringLiteral("nw")};
    const QStringList words = starts.split(u' ');
    return std::all_of(words.begin(), words.end(),
                       [](const QString &word) { return points.contains(word); });
}

// Where the strokes of the letters that the usual writing order gets wrong begin.
void loadStrokes(const QString &folder, CourseTables &tables)
{
    const TsvFile file =
        TsvFile::read(QDir(folder).filePath(QStringLiteral("strokes.tsv")),
                      {QStringLiteral("letter"), QStringLiteral("starts"), QStringLiteral("why")});
    QHash<QString, int> lines;
    for (const TsvRow &row : file.rows()) {
        const QString letter = row.cells.at(0);
        const QString starts = row.cells.at(1);
        if (lines.contains(letter)) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("letter \"%1\" is already on line %2")
                                 .arg(letter)
                                 .arg(lines.value(letter)));
        }
        lines.insert(letter, row.line);
        if (!compassPoints(starts)) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("starts: \"%1\" is not a list of compass points "
                                            "(n ne e se s sw w nw, separated by spaces)")
                                 .arg(starts));
        }
        bool found = false;
        for (QList<CourseItem> *items :
             {&tables.consonants, &tables.vowels, &tables.vowelSigns, &tables.numerals}) {
            for (CourseItem &item : *items) {
                if (item.text == letter) {
                    item.strokes = starts;
                    found = true;
                }
            }
        }
        if (!found) {
            throw TableError(file.name(), row.line,
                             QStringLiteral("letter \"%1\" is not drawn by any table (write it "
                                            "as the letter, shown or numeral column has it)")
                                 .arg(letter));
        }
    }
}

// The words that the voice's rules for dropping vowels get wrong.
Pronunciation loadPronunciation(const QString &folder)
{
    const TsvFile file = TsvFile::read(QDir(folder).filePath(QStringLiteral("speech.tsv")),
                                       {QStringLiteral("word"), QStringLiteral("parts")});
    Pronunciation pronunciation;
    for (const TsvRow &row : file.rows()) {
        const QString word = row.cells.at(0);
        const QString parts = row.cells.at(1);
        if (pronunciation.parts.contains(word))
            throw TableError(file.name(), row.line,
                             QStringLiteral("word \"%1\" is already given").arg(word));
        if (parts != QStringLiteral("-") && QString(parts).remove(u'|') != word)
            throw TableError(
                file.name(), row.line,
                QStringLiteral("parts: \"%1\" is not \"%2\" split by |, nor -").arg(parts, word));
        pronunciation.parts.insert(word, parts);
    }
    return pronunciation;
}

} // namespace

CourseTables CourseTables::load(const QString &folder)
{
    CourseTables tables;
    // The numerals count things the letters' words show, so they keep their own pictures.
    PictureOwners letterPictures;
    tables.consonants = loadItems(folder, shapes().at(0), &letterPictures);
    tables.vowels = loadItems(folder, shapes().at(1), &letterPictures);
    tables.vowelSigns = loadItems(folder, shapes().at(2), &letterPictures);
    tables.numerals = loadItems(folder, shapes().at(3));
    loadStrokes(folder, tables);
    tables.levels = loadLevels(folder, tables);
    tables.words = loadWords(folder, tables.consonants);
    tables.numbers = loadNumbers(folder);
    tables.pronunciation = loadPronunciation(folder);
    return tables;
}

const QList<CourseItem> &CourseTables::items(ItemTable table) const
{
    switch (table) {
    case ItemTable::Consonants:
        return consonants;
    case ItemTable::Vowels:
        return vowels;
    case ItemTable::VowelSigns:
        return vowelSigns;
    case ItemTable::Numerals:
        break;
    }
    return numerals;
}

QString tableName(ItemTable table)
{
    switch (table) {
    case ItemTable::Consonants:
        return QStringLiteral("consonants");
    case ItemTable::Vowels:
        return QStringLiteral("vowels");
    case ItemTable::VowelSigns:
        return QStringLiteral("vowel_signs");
    case ItemTable::Numerals:
        break;
    }
    return QStringLiteral("numerals");
}

} // namespace coursegen
