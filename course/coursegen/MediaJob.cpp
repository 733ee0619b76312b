#include "course/coursegen/MediaJob.h"

#include <QCryptographicHash>
#include <QStringList>

namespace coursegen {

int MediaJob::version(MediaKind kind)
{
    switch (kind) {
    case MediaKind::LetterPicture:
    case MediaKind::StrokeAnimation:
    case MediaKind::TracingPicture:
        return 2; // one glyph size per table; written along the strokes' centres
    case MediaKind::DigitPicture:
    case MediaKind::KeyPicture:
    case MediaKind::ExampleAnimation:
    case MediaKind::WordStrip:
    case MediaKind::SyllableSpeech:
    case MediaKind::Chant:
    case MediaKind::Applause:
    case MediaKind::Logo:
    case MediaKind::ClickHint:
    case MediaKind::ClearClickHint:
    case MediaKind::Loading:
    case MediaKind::Instruction:
    case MediaKind::TestInstruction:
    case MediaKind::InfoPicture:
    case MediaKind::SpeakerPicture:
        return 1;
    case MediaKind::LetterSpeech:
        return 1;
    case MediaKind::Congratulations: // the words clear of the pass message
    case MediaKind::Splash:          // drawn for the size it is shown at
        return 2;
    case MediaKind::Speech: // reads phonemes between [[ and ]]
        return 2;
    }
    return 1;
}

QString MediaJob::kindName(MediaKind kind)
{
    switch (kind) {
    case MediaKind::LetterPicture:
        return QStringLiteral("letter-picture");
    case MediaKind::DigitPicture:
        return QStringLiteral("digit-picture");
    case MediaKind::KeyPicture:
        return QStringLiteral("key-picture");
    case MediaKind::StrokeAnimation:
        return QStringLiteral("stroke-animation");
    case MediaKind::TracingPicture:
        return QStringLiteral("tracing-picture");
    case MediaKind::ExampleAnimation:
        return QStringLiteral("example-animation");
    case MediaKind::WordStrip:
        return QStringLiteral("word-strip");
    case MediaKind::Speech:
        return QStringLiteral("speech");
    case MediaKind::LetterSpeech:
        return QStringLiteral("letter-speech");
    case MediaKind::SyllableSpeech:
        return QStringLiteral("syllable-speech");
    case MediaKind::Chant:
        return QStringLiteral("chant");
    case MediaKind::Applause:
        return QStringLiteral("applause");
    case MediaKind::Logo:
        return QStringLiteral("logo");
    case MediaKind::ClickHint:
        return QStringLiteral("click-hint");
    case MediaKind::ClearClickHint:
        return QStringLiteral("clear-click-hint");
    case MediaKind::Loading:
        return QStringLiteral("loading");
    case MediaKind::Instruction:
        return QStringLiteral("instruction");
    case MediaKind::TestInstruction:
        return QStringLiteral("test-instruction");
    case MediaKind::Congratulations:
        return QStringLiteral("congratulations");
    case MediaKind::Splash:
        return QStringLiteral("splash");
    case MediaKind::InfoPicture:
        return QStringLiteral("info-picture");
    case MediaKind::SpeakerPicture:
        return QStringLiteral("speaker-picture");
    }
    return {};
}

MediaFamily MediaJob::family(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Speech:
    case MediaKind::LetterSpeech:
    case MediaKind::SyllableSpeech:
    case MediaKind::Chant:
    case MediaKind::Applause:
        return MediaFamily::Sounds;
    default:
        return MediaFamily::Pictures;
    }
}

QByteArray MediaJob::inputHash(const QByteArray &generatorFingerprint) const
{
    // Fields joined with a separator that no table cell can hold.
    QStringList fields{kindName(kind),
                       QString::number(version(kind)),
                       text,
                       QString::number(number),
                       QString::number(size.width()),
                       QString::number(size.height()),
                       QString::fromLatin1(generatorFingerprint)};
    // Only the letters have these; other kinds keep the digests they had.
    if (!kin.isEmpty() || !strokes.isEmpty())
        fields << kin.join(QChar(0x1E)) << strokes;
    const QString canonical = fields.join(QChar(0x1F));
    return QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex();
}

} // namespace coursegen
