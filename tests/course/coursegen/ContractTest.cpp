// What the program's windows expect of the program folder that the build
// assembles, read the way they read it: the level databases through the
// program's database layer and its connection string, stored paths through
// ProgramPath, recordings through the multimedia decoder, animations
// through QMovie.
#include "course/sounds/Hold.h"
#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/text/KeyText.h"
#include "platform/text/SyllableChart.h"
#include "shell/levels/LevelTable.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioFormat>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLatin1String>
#include <QMovie>
#include <QPainterPath>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

const QString Folder = QStringLiteral(OSTRANA_PROGRAM_FOLDER);

QString connectionString(const QString &path)
{
    return QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";");
}

QString levelPath(int level)
{
    return platform::ProgramPath(QStringLiteral("\\levels\\level%1.kdt").arg(level));
}

const QStringList &pathColumns()
{
    static const QStringList columns{
        QStringLiteral("LetterPicture"),     QStringLiteral("LetterAnimation"),
        QStringLiteral("LetterSound"),       QStringLiteral("PictureAAnimation"),
        QStringLiteral("PictureASound"),     QStringLiteral("PictureAWord"),
        QStringLiteral("PictureBAnimation"), QStringLiteral("PictureBSound"),
        QStringLiteral("PictureBWord"),      QStringLiteral("PictureLetter1"),
        QStringLiteral("PictureLetter2"),    QStringLiteral("PictureLetter3"),
        QStringLiteral("PictureLetter4"),    QStringLiteral("PictureLetter5"),
        QStringLiteral("PictureLetter6")};
    return columns;
}

const QStringList &integerColumns()
{
    static const QStringList columns{
        QStringLiteral("PictureATop"),    QStringLiteral("PictureALeft"),
        QStringLiteral("PictureAHeight"), QStringLiteral("PictureAWidth"),
        QStringLiteral("PictureBTop"),    QStringLiteral("PictureBLeft"),
        QStringLiteral("PictureBHeight"), QStringLiteral("PictureBWidth")};
    return columns;
}

const QStringList &fixedMedia()
{
    static const QStringList media{QStringLiteral("\\Animation\\logo.gif"),
                                   QStringLiteral("\\Animation\\click.gif"),
                                   QStringLiteral("\\Animation\\click2.gif"),
                                   QStringLiteral("\\Animation\\loading.gif"),
                                   QStringLiteral("\\Animation\\instruction2.gif"),
                                   QStringLiteral("\\Animation\\numberinstruction2.gif"),
                                   QStringLiteral("\\Animation\\testinstructions.gif"),
                                   QStringLiteral("\\Animation\\numbertestinstructions.gif"),
                                   QStringLiteral("\\sounds\\ohm.mp3"),
                                   QStringLiteral("\\test\\congratulations.gif"),
                                   QStringLiteral("\\test\\Applause.mp3")};
    return media;
}

// Every row, as the readers step through them; MoveFirst on an empty result
// is an error.
template <typename F> void forEachRow(db::Recordset &rows, F &&f)
{
    if (rows.RecordCount() == 0)
        return;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        f();
}

// The stored paths that the letter rows of every level name.
QSet<QString> storedPathsOfLetters()
{
    QSet<QString> paths;
    for (int level = 1; level <= 25; ++level) {
        db::Connection connection;
        connection.Open(connectionString(levelPath(level)));
        db::Recordset letters;
        letters.Open(QStringLiteral("select * from Letters Order by ID"), connection);
        forEachRow(letters, [&] {
            for (const QString &column : pathColumns())
                paths.insert(letters.Field(column).toString());
        });
    }
    return paths;
}

// Seconds of audio the decoder gets out of each file; -1 for a file that
// fails or does not finish in time. Each decoding waits mostly on its
// pipeline, so a batch runs at once.
QHash<QString, double> decodedSeconds(const QStringList &files)
{
    struct Decoding
    {
        QAudioDecoder decoder;
        qint64 microseconds = 0;
        bool finished = false;
        bool failed = false;
    };
    constexpr int Batch = 32;
    QHash<QString, double> seconds;
    for (int first = 0; first < files.size(); first += Batch) {
        std::vector<std::unique_ptr<Decoding>> batch;
        for (int i = first; i < qMin(first + Batch, int(files.size())); ++i) {
            auto decoding = std::make_unique<Decoding>();
            Decoding *d = decoding.get();
            QObject::connect(&d->decoder, &QAudioDecoder::bufferReady, &d->decoder,
                             [d] { d->microseconds += d->decoder.read().duration(); });
            QObject::connect(&d->decoder, &QAudioDecoder::finished, &d->decoder,
                             [d] { d->finished = true; });
            QObject::connect(&d->decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error),
                             &d->decoder, [d](QAudioDecoder::Error) { d->failed = true; });
            d->decoder.setSource(QUrl::fromLocalFile(files.at(i)));
            d->decoder.start();
            batch.push_back(std::move(decoding));
        }
        const bool allEnded = QTest::qWaitFor(
            [&] {
                return std::all_of(batch.cbegin(), batch.cend(),
                                   [](const auto &d) { return d->finished || d->failed; });
            },
            30000);
        if (!allEnded)
            ADD_FAILURE() << "a decoding ran for more than 30 s";
        for (std::size_t i = 0; i < batch.size(); ++i) {
            const Decoding &d = *batch.at(i);
            seconds.insert(files.at(first + int(i)),
                           d.finished && !d.failed ? d.microseconds / 1e6 : -1);
        }
    }
    return seconds;
}

// Seconds of voice in each file as sounds::voicedSeconds measures it, from
// the decoded samples; -1 for a file that fails. A batch runs at once, as
// in decodedSeconds().
QHash<QString, double> decodedVoiceSeconds(const QStringList &files)
{
    struct Decoding
    {
        QAudioDecoder decoder;
        sounds::Pcm pcm;
        bool ended = false;
        bool failed = false;
    };
    constexpr int Batch = 32;
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(1);
    format.setSampleRate(22050);
    QHash<QString, double> seconds;
    for (int first = 0; first < files.size(); first += Batch) {
        std::vector<std::unique_ptr<Decoding>> batch;
        for (int i = first; i < qMin(first + Batch, int(files.size())); ++i) {
            auto decoding = std::make_unique<Decoding>();
            Decoding *d = decoding.get();
            d->decoder.setAudioFormat(format);
            QObject::connect(&d->decoder, &QAudioDecoder::bufferReady, &d->decoder, [d] {
                const QAudioBuffer buffer = d->decoder.read();
                const qint16 *data = buffer.constData<qint16>();
                d->pcm.sampleRate = buffer.format().sampleRate();
                const int channels = std::max(1, buffer.format().channelCount());
                for (qsizetype s = 0; s + channels <= buffer.sampleCount(); s += channels)
                    d->pcm.samples.push_back(data[s]);
            });
            QObject::connect(&d->decoder, &QAudioDecoder::finished, &d->decoder,
                             [d] { d->ended = true; });
            QObject::connect(&d->decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error),
                             &d->decoder,
                             [d](QAudioDecoder::Error) { d->failed = d->ended = true; });
            d->decoder.setSource(QUrl::fromLocalFile(files.at(i)));
            d->decoder.start();
            batch.push_back(std::move(decoding));
        }
        if (!QTest::qWaitFor(
                [&] {
                    return std::all_of(batch.cbegin(), batch.cend(),
                                       [](const auto &d) { return d->ended; });
                },
                30000))
            ADD_FAILURE() << "a decoding ran for more than 30 s";
        for (std::size_t i = 0; i < batch.size(); ++i) {
            const Decoding &d = *batch.at(i);
            seconds.insert(files.at(first + int(i)), d.ended && !d.failed && !d.pcm.samples.empty()
                                                         ? sounds::voicedSeconds(d.pcm)
                                                         : -1);
        }
    }
    return seconds;
}

class ContractTest : public ::testing::Test
{
protected:
    void SetUp() override { platform::setAppPath(Folder); }
    void TearDown() override { platform::setAppPath(QString()); }
};

TEST_F(ContractTest, LevelsHoldTheLettersTheirExercisesNeed)
{
    // The order tests have a tile per letter.
    const QHash<int, int> tiles{{1, 8}, {2, 10}, {3, 18}, {4, 8},   {5, 18},
                                {6, 8}, {7, 16}, {8, 34}, {11, 12}, {14, 10}};
    for (int level = 1; level <= 25; ++level) {
        SCOPED_TRACE(level);
        db::Connection connection;
        ASSERT_NO_THROW(connection.Open(connectionString(levelPath(level))));
        db::Recordset letters;
        letters.Open(QStringLiteral("select * from Letters Order by ID"), connection);
        const int count = letters.RecordCount();
        if (tiles.contains(level)) {
            EXPECT_EQ(count, tiles.value(level));
        }
        if (level == 9) {
            // 15 questions of distinct letters, at most 34 pictures.
            EXPECT_GE(count, 15);
            EXPECT_LE(count, 34);
        }
        if (level == 12) {
            EXPECT_EQ(count, 12);
        }
        // The spelling level's lesson goes over its keyboard's letters.
        if (level == 10) {
            EXPECT_EQ(count, 34);
        }

        // Every field as the letter reader converts it.
        forEachRow(letters, [&] {
            EXPECT_NO_THROW(letters.Field(QStringLiteral("LetterPronounciation")).toString());
            EXPECT_FALSE(
                letters.Field(QStringLiteral("LetterPronounciation")).toString().isEmpty());
            for (const QString &column : integerColumns()) {
                EXPECT_NO_THROW(letters.Field(column).toInteger()) << column.toStdString();
                EXPECT_GT(letters.Field(column).toInteger(), 0) << column.toStdString();
            }
        });
    }
}

TEST_F(ContractTest, EveryLevelHasEveryTableAndOneExamRow)
{
    const QStringList tables{QStringLiteral("Letters"), QStringLiteral("KeyboardCharSet"),
                             QStringLiteral("Words"),   QStringLiteral("WordLetter"),
                             QStringLiteral("Exam"),    QStringLiteral("Configuration")};
    for (int level = 1; level <= 25; ++level) {
        SCOPED_TRACE(level);
        db::Connection connection;
        connection.Open(connectionString(levelPath(level)));
        for (const QString &table : tables) {
            db::Recordset rows;
            EXPECT_NO_THROW(rows.Open(QStringLiteral("select * from ") + table, connection))
                << table.toStdString();
        }
        db::Recordset exam;
        exam.Open(QStringLiteral("select * from Exam Order by ID"), connection);
        ASSERT_EQ(exam.RecordCount(), 1);
        exam.MoveFirst();
        EXPECT_EQ(exam.Field(QStringLiteral("ID")).toInteger(), 1);
        EXPECT_GE(exam.Field(QStringLiteral("PassMark")).toInteger(), 0);
    }
    // The listening tests can be passed: at most as many right answers as questions.
    db::Connection level9;
    level9.Open(connectionString(levelPath(9)));
    db::Recordset exam;
    exam.Open(QStringLiteral("select * from Exam Order by ID"), level9);
    exam.MoveFirst();
    EXPECT_LE(exam.Field(QStringLiteral("PassMark")).toInteger(), 15);
}

TEST_F(ContractTest, EveryStoredPathResolvesToAFile)
{
    const QSet<QString> paths = storedPathsOfLetters();
    EXPECT_GT(paths.size(), 68 * 15 - 1);
    for (const QString &path : paths) {
        EXPECT_TRUE(path.startsWith(u'\\')) << path.toStdString();
        EXPECT_TRUE(QFileInfo(platform::ProgramPath(path)).isFile()) << path.toStdString();
    }
    for (const QString &path : fixedMedia())
        EXPECT_TRUE(QFileInfo(platform::ProgramPath(path)).isFile()) << path.toStdString();
}

TEST_F(ContractTest, NoTwoFilesDifferOnlyInCase)
{
    QSet<QString> folded;
    QDirIterator it(Folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next().toCaseFolded();
        EXPECT_FALSE(folded.contains(path)) << path.toStdString();
        folded.insert(path);
    }
}

TEST_F(ContractTest, RecordingsDecodeAndLastLongEnoughToHear)
{
    QSet<QString> sounds;
    for (const QString &path :
         storedPathsOfLetters() + QSet<QString>(fixedMedia().cbegin(), fixedMedia().cend())) {
        if (path.endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive))
            sounds.insert(path);
    }
    EXPECT_GT(sounds.size(), 68 * 3);
    QStringList files;
    for (const QString &path : sounds)
        files << platform::ProgramPath(path);
    const QHash<QString, double> seconds = decodedSeconds(files);
    for (const QString &path : sounds) {
        const double length = seconds.value(platform::ProgramPath(path), -1);
        EXPECT_GT(length, 0.2) << path.toStdString();
        // Nothing of the lesson should hold the learner for long.
        EXPECT_LT(length, 15.0) << path.toStdString();
    }
}

// A letter's name, sign, numeral or digit key alone is held so that the
// child hears it out.
TEST_F(ContractTest, EveryLetterRecordingHasHalfASecondOfVoice)
{
    QSet<QString> sounds;
    for (int level = 1; level <= 25; ++level) {
        db::Connection connection;
        connection.Open(connectionString(levelPath(level)));
        db::Recordset letters;
        letters.Open(QStringLiteral("select LetterSound from Letters"), connection);
        forEachRow(letters,
                   [&] { sounds.insert(letters.Field(QStringLiteral("LetterSound")).toString()); });
        if (level == 10 || level == 15) {
            db::Recordset keys;
            keys.Open(QStringLiteral("select LetterSound from KeyboardCharSet"), connection);
            forEachRow(
                keys, [&] { sounds.insert(keys.Field(QStringLiteral("LetterSound")).toString()); });
        }
    }
    // 34 consonants, 12 vowels, 12 signs, 10 numerals and the digits 0 to 9.
    EXPECT_EQ(sounds.size(), 78);
    QStringList files;
    for (const QString &path : sounds)
        files << platform::ProgramPath(path);
    const QHash<QString, double> voice = decodedVoiceSeconds(files);
    for (const QString &file : files) {
        EXPECT_GE(voice.value(file, -1), 0.5) << file.toStdString();
        EXPECT_LT(voice.value(file, -1), 1.5) << file.toStdString();
    }
}

// The short vowels ઇ and ઉ are told from the long ઈ and ઊ by their length:
// held, the short one stays about 0.6 of the long one. Pairs of recordings
// (short, long) with their names for the failure message.
void expectShortAndLongVowelsApart(const QList<std::pair<QString, QString>> &pairs)
{
    QStringList files;
    for (const auto &[shortVowel, longVowel] : pairs)
        files << shortVowel << longVowel;
    const QHash<QString, double> voice = decodedVoiceSeconds(files);
    for (const auto &[shortVowel, longVowel] : pairs) {
        const double shortSeconds = voice.value(shortVowel, -1);
        const double longSeconds = voice.value(longVowel, -1);
        SCOPED_TRACE(shortVowel.toStdString() + " and " + longVowel.toStdString());
        EXPECT_GE(shortSeconds, 0.5);
        EXPECT_GE(longSeconds, 0.5);
        EXPECT_LT(longSeconds, 1.5);
        EXPECT_GE(shortSeconds / longSeconds, 0.5);
        EXPECT_LE(shortSeconds / longSeconds, 0.7);
    }
}

TEST_F(ContractTest, ShortVowelsAreHeldShorterThanLongOnes)
{
    // The lessons of the vowels and of their signs, which name them alike.
    QList<std::pair<QString, QString>> pairs;
    for (int level = 1; level <= 25; ++level) {
        db::Connection connection;
        connection.Open(connectionString(levelPath(level)));
        db::Recordset letters;
        letters.Open(QStringLiteral("select * from Letters Order by ID"), connection);
        QHash<QString, QString> soundOfName;
        forEachRow(letters, [&] {
            soundOfName.insert(letters.Field(QStringLiteral("LetterPronounciation")).toString(),
                               letters.Field(QStringLiteral("LetterSound")).toString());
        });
        for (const auto &[shortName, longName] :
             {std::pair{QStringLiteral("I"), QStringLiteral("EE")},
              std::pair{QStringLiteral("U"), QStringLiteral("OO")}}) {
            if (soundOfName.contains(shortName) && soundOfName.contains(longName))
                pairs.append({platform::ProgramPath(soundOfName.value(shortName)),
                              platform::ProgramPath(soundOfName.value(longName))});
        }
    }
    EXPECT_EQ(pairs.size(), 4);
    // The chart's names of the signs.
    namespace syl = text::syllables;
    const auto signNamed = [](const QString &key) {
        for (int sign = 0; sign < syl::SignCount; ++sign) {
            if (syl::signKey(sign) == key)
                return platform::ProgramPath(syl::signSound(sign));
        }
        ADD_FAILURE() << "no sign " << key.toStdString();
        return QString();
    };
    pairs.append({signNamed(QStringLiteral("i")), signNamed(QStringLiteral("I"))});
    pairs.append({signNamed(QStringLiteral("u")), signNamed(QStringLiteral("U"))});
    expectShortAndLongVowelsApart(pairs);
}

// The chart's names of the signs and of the consonants alone are held as the
// lessons' names are.
TEST_F(ContractTest, SyllableChartNamesAreHeldAsTheLessonsAre)
{
    namespace syl = text::syllables;
    QStringList files;
    for (int sign = 0; sign < syl::SignCount; ++sign)
        files << platform::ProgramPath(syl::signSound(sign));
    for (int consonant = 0; consonant < syl::ConsonantCount; ++consonant)
        files << platform::ProgramPath(syl::consonantSound(consonant));
    const QHash<QString, double> voice = decodedVoiceSeconds(files);
    for (const QString &file : files) {
        EXPECT_GE(voice.value(file, -1), 0.5) << file.toStdString();
        EXPECT_LT(voice.value(file, -1), 1.5) << file.toStdString();
    }
}

// Every number the numbers levels speak, as its digit keys are.
TEST_F(ContractTest, EveryNumberIsHeldAsTheDigitKeysAre)
{
    db::Connection connection;
    connection.Open(connectionString(levelPath(20)));
    db::Recordset words;
    words.Open(QStringLiteral("select WordSoundFile from Words"), connection);
    QSet<QString> sounds;
    forEachRow(words,
               [&] { sounds.insert(words.Field(QStringLiteral("WordSoundFile")).toString()); });
    db::Recordset keys;
    keys.Open(QStringLiteral("select LetterSound from KeyboardCharSet"), connection);
    forEachRow(keys, [&] { sounds.insert(keys.Field(QStringLiteral("LetterSound")).toString()); });
    EXPECT_EQ(sounds.size(), 101);
    QStringList files;
    for (const QString &path : sounds)
        files << platform::ProgramPath(path);
    const QHash<QString, double> voice = decodedVoiceSeconds(files);
    for (const QString &file : files)
        EXPECT_GE(voice.value(file, -1), 0.5) << file.toStdString();
}

// Level 13's chart reads its last consonant from the Configuration row and may
// ask for any recording of the consonants up to it.
TEST_F(ContractTest, SyllableChartHasItsConfigurationAndEveryRecording)
{
    namespace syl = text::syllables;
    db::Connection connection;
    connection.Open(connectionString(levelPath(13)));
    db::Recordset configuration;
    configuration.Open(QStringLiteral("select * from Configuration"), connection);
    ASSERT_EQ(configuration.RecordCount(), 1);
    configuration.MoveFirst();
    const int maxLetter = configuration.Field(QStringLiteral("MaxLetter")).toInteger();
    EXPECT_EQ(maxLetter, syl::LastConsonant);

    QSet<QString> stored{syl::plusSound()};
    for (int sign = 0; sign < syl::SignCount; ++sign)
        stored.insert(syl::signSound(sign));
    for (int consonant = 0; consonant <= maxLetter; ++consonant) {
        stored.insert(syl::consonantSound(consonant));
        for (int sign = 0; sign < syl::SignCount; ++sign) {
            stored.insert(syl::syllableSound(sign, consonant));
            stored.insert(syl::playAllSound(sign, consonant));
        }
    }
    EXPECT_EQ(stored.size(), 1 + 12 + 34 * 24);
    QStringList files;
    for (const QString &path : stored) {
        files << platform::ProgramPath(path);
        EXPECT_TRUE(QFileInfo(files.last()).isFile()) << path.toStdString();
    }
    const QHash<QString, double> seconds = decodedSeconds(files);
    for (const QString &file : files) {
        const double length = seconds.value(file, -1);
        EXPECT_GT(length, 0.1) << file.toStdString();
        // A syllable is short; the chart plays four of them for one click.
        EXPECT_LT(length, 3.0) << file.toStdString();
    }
}

// The words of words.tsv in id order, read as plainly as a teacher reads it.
QStringList committedWords()
{
    QFile file(QStringLiteral(OSTRANA_COURSE_TABLES "/words.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList words;
    for (QString line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        line.remove(u'\r');
        const QStringList cells = line.split(u'\t');
        if (line.startsWith(u'#') || cells.size() < 2 || cells.first() == QStringLiteral("id"))
            continue;
        words << cells.at(1);
    }
    return words;
}

// The spelling exercise types on keys numbered 1 to 34, draws from words 1
// to 60, and reads a word's letters with no sort clause: they must come back
// in spelling order all the same.
TEST_F(ContractTest, SpellingLevelHasItsKeyboardAndEveryWordInSpellingOrder)
{
    db::Connection connection;
    connection.Open(connectionString(levelPath(10)));
    db::Recordset keys;
    keys.Open(QStringLiteral("select * from KeyboardCharSet Order by KeyboardID"), connection);
    ASSERT_EQ(keys.RecordCount(), 34);
    QHash<int, QString> characters;
    forEachRow(keys, [&] {
        const int id = keys.Field(QStringLiteral("KeyboardID")).toInteger();
        EXPECT_EQ(id, characters.size() + 1);
        characters.insert(id, keys.Field(QStringLiteral("KeyboardCharacter")).toString());
        EXPECT_FALSE(keys.Field(QStringLiteral("KeyboardCode")).toString().isEmpty());
        const QString picture = keys.Field(QStringLiteral("LetterPicture")).toString();
        EXPECT_FALSE(QImage(platform::ProgramPath(picture)).isNull()) << picture.toStdString();
        const QString sound = keys.Field(QStringLiteral("LetterSound")).toString();
        EXPECT_TRUE(QFileInfo(platform::ProgramPath(sound)).isFile()) << sound.toStdString();
    });

    db::Recordset words;
    words.Open(QStringLiteral("select * from Words Order by WordID"), connection);
    ASSERT_EQ(words.RecordCount(), 60);
    QStringList recordings;
    forEachRow(words, [&] {
        EXPECT_EQ(words.Field(QStringLiteral("WordID")).toInteger(), recordings.size() + 1);
        const QString sound = words.Field(QStringLiteral("WordSoundFile")).toString();
        EXPECT_TRUE(sound.startsWith(u'\\')) << sound.toStdString();
        recordings << platform::ProgramPath(sound);
    });
    const QHash<QString, double> seconds = decodedSeconds(recordings);
    for (const QString &file : recordings) {
        EXPECT_GT(seconds.value(file, -1), 0.2) << file.toStdString();
        EXPECT_LT(seconds.value(file, -1), 5.0) << file.toStdString();
    }

    const QStringList expected = committedWords();
    ASSERT_EQ(expected.size(), 60);
    for (int word = 1; word <= 60; ++word) {
        SCOPED_TRACE(word);
        // As the exercise asks, and in Id order.
        db::Recordset asRead;
        asRead.Open(QStringLiteral("select KeyboardId from WordLetter WHERE WordID=%1").arg(word),
                    connection);
        db::Recordset byId;
        byId.Open(QStringLiteral("select * from WordLetter WHERE WordID=%1 Order by Id").arg(word),
                  connection);
        EXPECT_GE(asRead.RecordCount(), 2);
        EXPECT_LE(asRead.RecordCount(), 6);
        ASSERT_EQ(asRead.RecordCount(), byId.RecordCount());
        QString spelt;
        forEachRow(byId, [&] {
            const int key = byId.Field(QStringLiteral("KeyboardId")).toInteger();
            EXPECT_TRUE(characters.contains(key)) << key;
            spelt += characters.value(key);
        });
        QString speltAsRead;
        forEachRow(asRead, [&] {
            speltAsRead += characters.value(asRead.Field(QStringLiteral("KeyboardId")).toInteger());
        });
        EXPECT_EQ(spelt.toStdString(), expected.at(word - 1).toStdString());
        EXPECT_EQ(speltAsRead.toStdString(), spelt.toStdString());
    }
}

// The numbers window reads the digit keypad's keys in KeyboardID order and
// looks their pictures up by the digit; it asks for a number's recording by
// its place in the level's range and for its digits by the number itself, in
// Id order.
TEST_F(ContractTest, NumbersLevelsHaveTheDigitKeysAndEveryNumberOfTheirRange)
{
    struct Range
    {
        int level, first, count;
    };
    const Range ranges[] = {{15, 1, 20},  {16, 21, 20}, {17, 41, 20},
                            {18, 61, 20}, {19, 81, 20}, {20, 1, 100}};
    QHash<int, QHash<int, QString>> soundOfPlace; // level -> place -> stored path
    QSet<QString> recordings;
    for (const Range &range : ranges) {
        SCOPED_TRACE(range.level);
        db::Connection connection;
        connection.Open(connectionString(levelPath(range.level)));
        db::Recordset keys;
        keys.Open(QStringLiteral("select * from KeyboardCharSet Order by KeyboardID"), connection);
        ASSERT_EQ(keys.RecordCount(), 10);
        int digit = 0;
        forEachRow(keys, [&] {
            EXPECT_EQ(keys.Field(QStringLiteral("KeyboardID")).toInteger(), digit);
            EXPECT_EQ(keys.Field(QStringLiteral("KeyboardCharacter")).toString().toStdString(),
                      QString(QChar(0x0AE6 + digit)).toStdString());
            const QString picture = keys.Field(QStringLiteral("LetterPicture")).toString();
            EXPECT_FALSE(QImage(platform::ProgramPath(picture)).isNull()) << picture.toStdString();
            recordings.insert(keys.Field(QStringLiteral("LetterSound")).toString());
            ++digit;
        });

        db::Recordset words;
        words.Open(QStringLiteral("select * from Words Order by WordID"), connection);
        ASSERT_EQ(words.RecordCount(), range.count);
        forEachRow(words, [&] {
            const int place = int(soundOfPlace[range.level].size()) + 1;
            EXPECT_EQ(words.Field(QStringLiteral("WordID")).toInteger(), place);
            const QString sound = words.Field(QStringLiteral("WordSoundFile")).toString();
            EXPECT_TRUE(sound.startsWith(u'\\')) << sound.toStdString();
            soundOfPlace[range.level].insert(place, sound);
            recordings.insert(sound);
        });

        int digits = 0;
        for (int number = range.first; number < range.first + range.count; ++number) {
            db::Recordset letters;
            letters.Open(
                QStringLiteral("select KeyboardId from WordLetter WHERE WordID=%1 ORDER BY Id")
                    .arg(number),
                connection);
            QString spelt;
            forEachRow(letters, [&] {
                spelt += QString::number(letters.Field(QStringLiteral("KeyboardId")).toInteger());
            });
            EXPECT_EQ(spelt.toStdString(), QString::number(number).toStdString());
            digits += int(spelt.size());
        }
        // Nothing beside the range's numbers.
        db::Recordset all;
        all.Open(QStringLiteral("select * from WordLetter"), connection);
        EXPECT_EQ(all.RecordCount(), digits);
    }
    // A place of a range sounds as its number does at level 20 (level 17's
    // first is 41).
    for (const Range &range : ranges) {
        for (int place = 1; place <= range.count; ++place)
            EXPECT_EQ(soundOfPlace[range.level].value(place).toStdString(),
                      soundOfPlace[20].value(range.first + place - 1).toStdString())
                << range.level << " " << place;
    }
    EXPECT_EQ(recordings.size(), 101);

    QStringList files;
    for (const QString &path : recordings)
        files << platform::ProgramPath(path);
    const QHash<QString, double> seconds = decodedSeconds(files);
    for (const QString &file : files) {
        EXPECT_GT(seconds.value(file, -1), 0.2) << file.toStdString();
        EXPECT_LT(seconds.value(file, -1), 5.0) << file.toStdString();
    }
}

// The maths window takes the digit key k as the digit k, so its keypad must
// read the ten digits in KeyboardID order; its ten sums are marked against
// the level's pass mark.
TEST_F(ContractTest, MathsLevelsHaveTheDigitKeysAndAPassMarkWithinTenSums)
{
    std::vector<int> mathsLevels;
    for (const levels::LevelRow &row : levels::Table) {
        if (QLatin1String(row.form) == QLatin1String("frmLevel20"))
            mathsLevels.push_back(row.level);
    }
    EXPECT_EQ(mathsLevels, (std::vector<int>{21, 22, 23, 24, 25}));
    for (const int level : mathsLevels) {
        SCOPED_TRACE(level);
        db::Connection connection;
        connection.Open(connectionString(levelPath(level)));
        db::Recordset keys;
        keys.Open(QStringLiteral("select * from KeyboardCharSet Order by KeyboardID"), connection);
        ASSERT_EQ(keys.RecordCount(), 10);
        int digit = 0;
        forEachRow(keys, [&] {
            EXPECT_EQ(keys.Field(QStringLiteral("KeyboardID")).toInteger(), digit);
            EXPECT_EQ(keys.Field(QStringLiteral("KeyboardCode")).toString().toStdString(),
                      std::to_string(digit));
            const QString picture = keys.Field(QStringLiteral("LetterPicture")).toString();
            EXPECT_FALSE(QImage(platform::ProgramPath(picture)).isNull()) << picture.toStdString();
            const QString sound = keys.Field(QStringLiteral("LetterSound")).toString();
            EXPECT_TRUE(QFileInfo(platform::ProgramPath(sound)).isFile()) << sound.toStdString();
            ++digit;
        });

        db::Recordset exam;
        exam.Open(QStringLiteral("select * from Exam Order by ID"), connection);
        ASSERT_EQ(exam.RecordCount(), 1);
        exam.MoveFirst();
        const int passMark = exam.Field(QStringLiteral("PassMark")).toInteger();
        EXPECT_GE(passMark, 1);
        EXPECT_LE(passMark, 10);
    }
}

namespace {

// Where a key picture's glyph stands, told from its ink and the font's own
// outline of the glyph: the picture's scale of the font and the row of the
// font's baseline.
struct GlyphPlace
{
    qreal scale;
    qreal baseline;
    qreal offCentre; // of the ink across the picture, in pixels
};

GlyphPlace glyphPlace(const QString &character, const QImage &picture)
{
    QFont font(text::GujaratiFontFamily);
    font.setPixelSize(200);
    font.setBold(true);
    QPainterPath outline;
    outline.addText(0, 0, font, character);
    const QRectF glyph = outline.boundingRect();
    int top = picture.height(), bottom = -1, left = picture.width(), right = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y).lightness() < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    if (bottom < 0)
        return {0, 0, 0};
    const qreal scale = (bottom + 1 - top) / glyph.height();
    return {scale, bottom + 1 - glyph.bottom() * scale,
            std::abs((left + right + 1) / 2.0 - picture.width() / 2.0)};
}

} // namespace

// A word (or a number) is read from its key pictures side by side: every
// letter of the keyboard and every digit of the keypad stands on one
// baseline at one size, centred across its picture.
TEST_F(ContractTest, KeyPicturesStandOnOneBaselineAtOneSize)
{
    for (int level : {10, 15}) {
        SCOPED_TRACE(level);
        db::Connection connection;
        connection.Open(connectionString(levelPath(level)));
        db::Recordset keys;
        keys.Open(QStringLiteral("select * from KeyboardCharSet Order by KeyboardID"), connection);
        std::vector<GlyphPlace> places;
        int height = 0;
        forEachRow(keys, [&] {
            const QString character = keys.Field(QStringLiteral("KeyboardCharacter")).toString();
            const QImage picture(
                platform::ProgramPath(keys.Field(QStringLiteral("LetterPicture")).toString()));
            ASSERT_FALSE(picture.isNull()) << character.toStdString();
            height = picture.height();
            const GlyphPlace place = glyphPlace(character, picture);
            ASSERT_GT(place.scale, 0) << character.toStdString() << ": no ink";
            EXPECT_LE(place.offCentre, 1.5) << character.toStdString();
            places.push_back(place);
        });
        ASSERT_FALSE(places.empty());
        const auto [smallest, largest] = std::minmax_element(
            places.begin(), places.end(),
            [](const GlyphPlace &a, const GlyphPlace &b) { return a.scale < b.scale; });
        EXPECT_LE(largest->scale / smallest->scale, 1.08);
        const auto [highest, lowest] = std::minmax_element(
            places.begin(), places.end(),
            [](const GlyphPlace &a, const GlyphPlace &b) { return a.baseline < b.baseline; });
        EXPECT_LE(lowest->baseline - highest->baseline, height * 0.05);
    }
}

TEST_F(ContractTest, PicturesLoadAndAnimationsMove)
{
    QSet<QString> all = storedPathsOfLetters();
    for (const QString &path : fixedMedia())
        all.insert(path);
    int animations = 0;
    for (const QString &path : all) {
        const QString file = platform::ProgramPath(path);
        if (path.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
            QMovie movie(file);
            EXPECT_TRUE(movie.isValid()) << path.toStdString();
            EXPECT_GT(movie.frameCount(), 1) << path.toStdString();
            ++animations;
        } else if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
            EXPECT_FALSE(QImage(file).isNull()) << path.toStdString();
        }
    }
    EXPECT_GT(animations, 68 * 5);
}

// The information screen's corner hint sits on that screen's peach (&HC0E0FF): what
// shows around the hand is the screen itself or peach, never the lesson's lavender.
// The information screen and the order tests are peach; what they show must
// not bring the lesson's lavender with it.
TEST_F(ContractTest, PeachWindowsShowNoLessonBackground)
{
    const QColor lavender(192, 192, 255);
    const QColor peach(255, 224, 192);
    for (const char *stored : {"\\Animation\\click2.gif", "\\Animation\\testinstructions.gif",
                               "\\Animation\\numbertestinstructions.gif"}) {
        SCOPED_TRACE(stored);
        QMovie movie(platform::ProgramPath(QString::fromLatin1(stored)));
        ASSERT_TRUE(movie.isValid());
        for (int i = 0; i < movie.frameCount(); ++i) {
            ASSERT_TRUE(movie.jumpToFrame(i));
            const QImage frame = movie.currentImage().convertToFormat(QImage::Format_ARGB32);
            int lavenderPixels = 0;
            for (int y = 0; y < frame.height(); ++y) {
                for (int x = 0; x < frame.width(); ++x) {
                    const QColor pixel = frame.pixelColor(x, y);
                    lavenderPixels += pixel.alpha() > 0 &&
                                              std::abs(pixel.red() - lavender.red()) < 16 &&
                                              std::abs(pixel.green() - lavender.green()) < 16 &&
                                              std::abs(pixel.blue() - lavender.blue()) < 16
                                          ? 1
                                          : 0;
                }
            }
            EXPECT_EQ(lavenderPixels, 0) << "frame " << i;
            const QColor corner = frame.pixelColor(0, 0);
            EXPECT_TRUE(corner.alpha() == 0 || corner == peach)
                << "frame " << i << ": " << corner.name(QColor::HexArgb).toStdString();
        }
    }
}

TEST_F(ContractTest, UsersDatabaseHasTheTableTheLoginReads)
{
    const QString users = platform::ProgramPath(QStringLiteral("\\Kelvo.kdt"));
    ASSERT_TRUE(QFileInfo(users).isFile());

    // Declared types decide how the program reads the values back.
    sqlite3 *handle = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(users).constData(), &handle, SQLITE_OPEN_READONLY,
                              nullptr),
              SQLITE_OK);
    sqlite3_stmt *statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(handle, "PRAGMA table_info(UserDetails)", -1, &statement, nullptr),
              SQLITE_OK);
    QHash<QString, QString> types;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        types.insert(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 1))),
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 2))));
    }
    sqlite3_finalize(statement);
    sqlite3_close_v2(handle);
    EXPECT_EQ(types.value(QStringLiteral("UserName")).toStdString(), "TEXT");
    EXPECT_EQ(types.value(QStringLiteral("Password")).toStdString(), "TEXT");
    EXPECT_EQ(types.value(QStringLiteral("LevelAt")).toStdString(), "SMALLINT");
    EXPECT_EQ(types.value(QStringLiteral("LastUpdated")).toStdString(), "DATETIME");

    // A new user, stored and read back as the new-user dialog and the login do,
    // on a copy: the folder's own file may hold real learners.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Kelvo.kdt"));
    ASSERT_TRUE(QFile::copy(users, copy));
    QFile(copy).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QDateTime when(QDate(2024, 5, 1), QTime(13, 45));
    {
        db::Connection connection;
        connection.Open(connectionString(copy));
        db::Recordset rows;
        rows.Open(QStringLiteral("select * from UserDetails Order by UserName"), connection);
        rows.AddNew();
        rows.setField(QStringLiteral("UserName"), QStringLiteral("Zzz Test"));
        rows.setField(QStringLiteral("Password"), QStringLiteral("Pw"));
        rows.setField(QStringLiteral("LevelAt"), 1);
        rows.setField(QStringLiteral("LastUpdated"), when);
        rows.Update();
    }
    db::Connection connection;
    connection.Open(connectionString(copy));
    db::Recordset rows;
    rows.Open(QStringLiteral("select * from UserDetails where UserName = 'zzz test'"), connection);
    ASSERT_EQ(rows.RecordCount(), 1);
    rows.MoveFirst();
    EXPECT_EQ(rows.Field(QStringLiteral("LevelAt")).toInteger(), 1);
    EXPECT_EQ(rows.Field(QStringLiteral("LastUpdated")).toDateTime(), when);
    EXPECT_EQ(rows.Field(QStringLiteral("Password")).toString().toStdString(), "Pw");
}

TEST_F(ContractTest, FolderStaysSmall)
{
    qint64 bytes = 0;
    QDirIterator it(Folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QStringList content{QStringLiteral("kdt"), QStringLiteral("gif"), QStringLiteral("png"),
                              QStringLiteral("mp3")};
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        // The program's own executable will share the folder; it is not content.
        if (content.contains(info.suffix().toLower()))
            bytes += info.size();
    }
    EXPECT_GT(bytes, 0);
    EXPECT_LT(bytes, 30LL * 1024 * 1024);
}

} // namespace
