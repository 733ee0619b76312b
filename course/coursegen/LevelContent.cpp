#include "course/coursegen/LevelContent.h"

#include "course/schema/Tables.h"

#include <QCryptographicHash>

namespace coursegen {
namespace {

// Raise when the way the level files are written changes.
constexpr int LevelWriterVersion = 1;

void addValue(QCryptographicHash &hash, const db::Variant &value)
{
    hash.addData(QByteArray::number(int(value.type())));
    hash.addData(QByteArrayView("\x1f"));
    if (!value.isNull())
        hash.addData(value.concatText().toUtf8());
    hash.addData(QByteArrayView("\x1e"));
}

void addCount(QCryptographicHash &hash, qsizetype count)
{
    hash.addData(QByteArray::number(count));
    hash.addData(QByteArrayView("\x1d"));
}

} // namespace

QString LevelContent::storedPath() const
{
    return QStringLiteral("\\levels\\level%1.kdt").arg(level);
}

QByteArray LevelContent::contentHash() const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(LevelWriterVersion));
    for (const schema::Table &table : schema::levelTables())
        hash.addData(schema::createStatement(table).toUtf8());
    hash.addData(QByteArray::number(passMark));
    hash.addData(maxLetter ? QByteArray::number(*maxLetter) : QByteArrayView("-"));
    // Each list with its length first, so that rows cannot move from one
    // table to the next without changing the digest.
    addCount(hash, letters.size());
    for (const schema::LetterRow &row : letters) {
        for (const db::Variant *value : {&row.ID,
                                         &row.LetterPicture,
                                         &row.LetterAnimation,
                                         &row.LetterSound,
                                         &row.LetterPronounciation,
                                         &row.PictureAAnimation,
                                         &row.PictureATop,
                                         &row.PictureALeft,
                                         &row.PictureAHeight,
                                         &row.PictureAWidth,
                                         &row.PictureASound,
                                         &row.PictureAWord,
                                         &row.PictureBAnimation,
                                         &row.PictureBTop,
                                         &row.PictureBLeft,
                                         &row.PictureBHeight,
                                         &row.PictureBWidth,
                                         &row.PictureBSound,
                                         &row.PictureBWord,
                                         &row.PictureLetter1,
                                         &row.PictureLetter2,
                                         &row.PictureLetter3,
                                         &row.PictureLetter4,
                                         &row.PictureLetter5,
                                         &row.PictureLetter6})
            addValue(hash, *value);
    }
    addCount(hash, keys.size());
    for (const KeyRow &key : keys) {
        for (const db::Variant &value :
             {db::Variant(key.keyboardId), db::Variant(key.code), db::Variant(key.character),
              db::Variant(key.picture), db::Variant(key.sound)})
            addValue(hash, value);
    }
    addCount(hash, words.size());
    for (const WordRow &word : words) {
        addValue(hash, word.wordId);
        addValue(hash, word.soundFile);
    }
    addCount(hash, wordLetters.size());
    for (const WordLetterRow &letter : wordLetters) {
        for (const int value : {letter.wordId, letter.keyboardId, letter.id})
            addValue(hash, value);
    }
    return hash.result().toHex();
}

} // namespace coursegen
