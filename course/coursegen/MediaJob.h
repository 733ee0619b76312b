#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

namespace coursegen {

// What makes a file of the program folder. Each kind has a version number
// (MediaJob::version): raise it when that generator's output changes, so that
// existing folders make their files again instead of keeping the old ones.
enum class MediaKind
{
    LetterPicture,    // text, size, kin
    DigitPicture,     // text = one numeral, size; for keys and cells
    KeyPicture,       // text = a letter, size, kin = its key set; for keys and cells
    StrokeAnimation,  // text, size, kin, strokes
    TracingPicture,   // text, number = variant 1..6, size, kin, strokes
    ExampleAnimation, // text = emoji, number = count, size
    WordStrip,        // text = word, size
    Speech,           // text = what the voice reads
    LetterSpeech,     // text = what the voice reads, number = milliseconds of voice at least
    SyllableSpeech,   // text = what the voice reads, number = milliseconds of voice at least
                      // (0: as spoken); a lower bit rate
    Chant,            // number = milliseconds
    Applause,         // number = milliseconds
    Logo,
    ClickHint,      // size; on the lesson window
    ClearClickHint, // size; transparent, on the information screen
    Loading,
    Instruction,     // text, size
    TestInstruction, // text, size; on the order tests' background
    Congratulations, // size of the tile block it covers
    Splash,          // size
    InfoPicture,     // number = 1..3
    SpeakerPicture
};

// The library that makes a kind: what changes in it can change every file
// of its kinds.
enum class MediaFamily
{
    Pictures,
    Sounds
};

// One file of the program folder and everything that decides its content.
struct MediaJob
{
    MediaKind kind = MediaKind::LetterPicture;
    QString storedPath; // as the databases store it: "\letters\consonants\01.png"
    QString text = {};
    int number = 0;
    QSize size = {};
    // Letters: the texts of the item's table, drawn at one size that fits them all,
    // and where its strokes start when the usual order is wrong (strokes.tsv).
    QStringList kin = {};
    QString strokes = {};

    static int version(MediaKind kind);
    static QString kindName(MediaKind kind);
    static MediaFamily family(MediaKind kind);

    // A digest of the kind, its version, the parameters (not the path) and
    // a fingerprint of the library that makes it: equal digests make equal
    // files.
    QByteArray inputHash(const QByteArray &generatorFingerprint = {}) const;
};

} // namespace coursegen
