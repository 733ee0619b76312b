#include "tests/support/WordLevel.h"

#include "course/schema/Writer.h"
#include "platform/db/Database.h"
#include "tests/support/TempProgramFolder.h"

#include <QImage>

namespace {

constexpr int Keys = 34;

} // namespace

WordLevel::WordLevel(TempProgramFolder &folder, int level)
    : m_folder(folder)
    , m_media(folder, [](const QString &) {})
    , m_level(level)
{}

void WordLevel::writeKeys(int count)
{
    schema::Writer writer(m_folder.levelDatabase(m_level));
    writer.begin();
    for (int key = 1; key <= count; ++key) {
        const QString n = QString::number(key);
        writer.addKeyboardChar(key, n, n,
                               m_media.picture("keys\\key" + n + ".png", {25, 33}, keyColour(key)),
                               "\\keys\\key" + n + ".mp3");
    }
    writer.commit();
}

void WordLevel::writeWord(int wordId, const std::vector<int> &keys)
{
    // Without the index the table hands a word's letters over in the order
    // they were stored, here back to front: only the read's sort clause puts
    // them in spelling order.
    db::Database::openExisting(m_folder.levelDatabase(m_level))
        ->exec(QStringLiteral("DROP INDEX IF EXISTS WordLetterByWordID"));
    schema::Writer writer(m_folder.levelDatabase(m_level));
    writer.begin();
    writer.addWord(wordId, soundFile(wordId));
    addLetters(writer, wordId, keys);
    writer.commit();
}

void WordLevel::addLetters(schema::Writer &writer, int wordId, const std::vector<int> &keys)
{
    for (int i = int(keys.size()) - 1; i >= 0; --i)
        writer.addWordLetter(wordId, keys[std::size_t(i)], i + 1);
}

void WordLevel::writeDigitKeys()
{
    schema::Writer writer(m_folder.levelDatabase(m_level));
    writer.begin();
    for (int digit = 0; digit <= 9; ++digit) {
        const QString n = QString::number(digit);
        writer.addKeyboardChar(
            digit, n, n,
            m_media.picture("digits\\digit" + n + ".png", {25, 33}, keyColour(digit + 1)),
            "\\digits\\digit" + n + ".mp3");
    }
    writer.commit();
}

void WordLevel::writeNumbers(int first, int count)
{
    db::Database::openExisting(m_folder.levelDatabase(m_level))
        ->exec(QStringLiteral("DROP INDEX IF EXISTS WordLetterByWordID"));
    schema::Writer writer(m_folder.levelDatabase(m_level));
    writer.begin();
    for (int place = 1; place <= count; ++place) {
        writer.addWord(place, numberSound(place));
        const int number = first + place - 1;
        addLetters(writer, number, digits(number));
    }
    writer.commit();
}

QString WordLevel::numberSound(int place) const
{
    return QStringLiteral("\\Sounds\\numbers\\level%1-%2.mp3").arg(m_level).arg(place);
}

std::vector<int> WordLevel::digits(int number)
{
    std::vector<int> digits;
    for (const QChar c : QString::number(number))
        digits.push_back(c.digitValue());
    return digits;
}

int WordLevel::digitShown(const QPixmap &picture)
{
    return keyShown(picture) - 1;
}

void WordLevel::writePool(int count)
{
    for (int word = 1; word <= count; ++word)
        writeWord(word, spelling(word));
}

void WordLevel::writePassMark(int mark)
{
    db::Database::openExisting(m_folder.levelDatabase(m_level))
        ->exec(QStringLiteral("DELETE FROM Exam"));
    schema::Writer(m_folder.levelDatabase(m_level)).addExam(1, mark);
}

// Two to five letters, so an extra letter can still be typed. Words that
// agree modulo 34 differ in length; 7 and 34 share no factor,
// so the letters of a word differ.
std::vector<int> WordLevel::spelling(int wordId)
{
    std::vector<int> keys;
    const int length = 2 + wordId % 4;
    for (int i = 0; i < length; ++i)
        keys.push_back((wordId + 7 * i) % Keys + 1);
    return keys;
}

QString WordLevel::soundFile(int wordId)
{
    return QStringLiteral("\\Sounds\\words\\word%1.mp3").arg(wordId);
}

QColor WordLevel::keyColour(int key)
{
    return QColor(QColor::fromHsv((key * 360 / Keys) % 360, 230, 120 + (key % 3) * 60).rgb());
}

int WordLevel::keyShown(const QPixmap &picture)
{
    if (picture.isNull())
        return 0;
    const QRgb colour = picture.toImage().pixel(2, 2);
    for (int key = 1; key <= Keys; ++key) {
        if (keyColour(key).rgb() == colour)
            return key;
    }
    return 0;
}
