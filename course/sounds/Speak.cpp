#include "course/sounds/Speak.h"

#include "course/sounds/Hold.h"
#include "course/sounds/Shaping.h"
#include "course/sounds/SteadyVoiceData.h"

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

namespace sounds {

namespace {

constexpr int SpeakingRate = 140; // words per minute; espeak-ng's default is 175
// Below the default 100, so that the synthesiser's own overload guard (whose
// state also carries over between utterances) never engages; the level is
// normalised afterwards.
constexpr int SynthVolume = 60;
constexpr double LeadMargin = 0.03;
constexpr double TailMargin = 0.08;
constexpr double FadeIn = 0.005;
constexpr double FadeOut = 0.03;
constexpr double Peak = 0.8; // headroom for the MP3 encoder's overshoot

std::mutex &engineMutex()
{
    static std::mutex mutex;
    return mutex;
}

// The synthesiser hands over its audio in pieces through this callback; the
// Pcm being filled travels in the event's user data.
int collect(short *wav, int count, espeak_EVENT *events)
{
    auto *pcm = static_cast<Pcm *>(events->user_data);
    if (wav && count > 0 && pcm)
        pcm->samples.insert(pcm->samples.end(), wav, wav + count);
    return 0;
}

// Called with the mutex held. Starts the engine on first use (once: it cannot
// be restarted) and returns its sample rate.
int startEngine()
{
    static std::unique_ptr<SteadyVoiceData> data;
    static int sampleRate = 0;
    static std::string failure;
    if (sampleRate == 0 && failure.empty()) {
        try {
            // Where the system's data is, as espeak-ng itself would look for it.
            espeak_ng_InitializePath(nullptr);
            const char *systemPath = nullptr;
            espeak_Info(&systemPath);
            data = std::make_unique<SteadyVoiceData>(QString::fromLocal8Bit(systemPath));
        } catch (const std::runtime_error &error) {
            failure = error.what();
        }
        if (data) {
            // DONT_EXIT: missing data must be an error here, not the end of the process.
            const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0,
                                               QFile::encodeName(data->path()).constData(),
                                               espeakINITIALIZE_DONT_EXIT);
            if (rate > 0) {
                espeak_SetSynthCallback(collect);
                sampleRate = rate;
            } else {
                failure = "espeak-ng could not be initialised (is espeak-ng-data installed?)";
            }
        }
    }
    if (sampleRate == 0)
        throw std::runtime_error(failure);
    return sampleRate;
}

// Synthesises `text` into `pcm` with the engine's lock held; `trace`, when
// given, receives the phoneme names of what is spoken.
void synthesise(const QByteArray &utf8, const QByteArray &voiceName, Pcm &pcm, FILE *trace)
{
    const auto describe = [&] {
        return " (text \"" + utf8.toStdString() + "\", voice \"" + voiceName.toStdString() + "\")";
    };
    if (voiceName.isEmpty() || voiceName.contains('+'))
        throw std::runtime_error("a voice name without a variant is needed" + describe());

    const std::lock_guard<std::mutex> lock(engineMutex());
    pcm.sampleRate = startEngine();
    const QByteArray steady = voiceName + '+' + SteadyVoiceData::Variant;
    if (espeak_SetVoiceByName(steady.constData()) != EE_OK)
        throw std::runtime_error("espeak-ng has no voice \"" + voiceName.toStdString() + "\"");
    // Set after the voice: choosing a voice resets them.
    espeak_SetParameter(espeakRATE, SpeakingRate, 0);
    espeak_SetParameter(espeakVOLUME, SynthVolume, 0);
    // Voices with breath noise draw from the C library's rand().
    std::srand(1);
    espeak_SetPhonemeTrace(trace ? espeakPHONEMES_SHOW : 0, trace);
    const espeak_ERROR result =
        espeak_Synth(utf8.constData(), std::size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &pcm);
    espeak_SetPhonemeTrace(0, nullptr);
    if (result != EE_OK)
        throw std::runtime_error("espeak-ng could not speak" + describe());
}

// The phoneme names of what the voice says for `text` as it stands.
QString traced(const QString &text, const QString &voice)
{
    char *buffer = nullptr;
    std::size_t size = 0;
    FILE *trace = open_memstream(&buffer, &size);
    if (!trace)
        throw std::runtime_error("no memory for espeak-ng's phonemes");
    Pcm unused;
    try {
        synthesise(text.toUtf8(), voice.toUtf8(), unused, trace);
    } catch (...) {
        std::fclose(trace);
        std::free(buffer);
        throw;
    }
    std::fclose(trace);
    const QString names = QString::fromUtf8(buffer, qsizetype(size)).simplified();
    std::free(buffer);
    return names;
}

constexpr char16_t SignIi = u'\u0AC0'; // ી

// A ી with another syllable after it in the word: a consonant or a vowel letter.
bool innerLongI(const QString &word, qsizetype at)
{
    return word.at(at) == SignIi && std::any_of(word.begin() + at + 1, word.end(), [](QChar c) {
               return c.unicode() >= 0x0A85 && c.unicode() <= 0x0AB9;
           });
}

// The voice says an unstressed ī short and stresses one syllable of a word,
// so મીણ્બત્તી comes out "min.b'Vt:i" and કીડીઓ "kid.'i:;o:". Inside a word
// the sign ી is long: its vowel is given back its length, with a secondary
// stress where it has none, for the voice shortens an unstressed i: even when
// given as a phoneme. A word's last ī stays as the voice says it. The vowels
// i, I and i: of `names` stand for the word's િ, ી, ઇ and ઈ in turn; where
// they do not pair up, `names` is left as it is.
QString withLongI(const QString &word, const QString &names)
{
    QList<bool> longHere; // for each i-vowel of the spelling
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word.at(i).unicode();
        if (c == 0x0ABF || c == SignIi || c == 0x0A87 || c == 0x0A88)
            longHere << innerLongI(word, i);
    }
    // "aI" is the diphthong of ૈ and ઐ.
    static const QRegularExpression vowel(QStringLiteral("(?<!a)([',]?)(i:|i|I)"));
    QList<QRegularExpressionMatch> found;
    for (auto it = vowel.globalMatch(names); it.hasNext();)
        found << it.next();
    if (found.size() != longHere.size())
        return names;
    QString mended = names;
    for (qsizetype k = found.size() - 1; k >= 0; --k) {
        const QRegularExpressionMatch &m = found.at(k);
        if (!longHere.at(k) || m.captured(2) == QStringLiteral("i:"))
            continue;
        const QString stress = m.captured(1).isEmpty() ? QStringLiteral(",") : m.captured(1);
        mended.replace(m.capturedStart(), m.capturedLength(), stress + QStringLiteral("i:"));
    }
    return mended;
}

bool hasInnerLongI(const QString &word)
{
    for (qsizetype i = word.indexOf(SignIi); i >= 0; i = word.indexOf(SignIi, i + 1)) {
        if (innerLongI(word, i))
            return true;
    }
    return false;
}

// The voice's Gujarati gets some sounds wrong from any spelling: ળ is a
// flap (r.) where Gujarati curls back a lateral (l.), ાં a short dull nasal
// (V~) where it is the long nasal a (a~), and a ી inside a word may come out
// short (withLongI). Such words are read as the voice's own phonemes with
// those mended; other words and phonemes pass.
QString mended(const QString &text, const QString &voice)
{
    if (voice != QStringLiteral("gu"))
        return text;
    const QString lla = QStringLiteral("ળ");
    const QString nasalAa = QStringLiteral("ાં");
    QStringList pieces;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype start = text.indexOf(QStringLiteral("[["), pos);
        QStringList words = text.mid(pos, start < 0 ? -1 : start - pos).split(u' ');
        for (QString &word : words) {
            const bool flapOrNasal = word.contains(lla) || word.contains(nasalAa);
            const bool longI = hasInnerLongI(word);
            if (!flapOrNasal && !longI)
                continue;
            const QString said = traced(word, voice);
            QString names = said;
            if (word.contains(lla))
                names.replace(QStringLiteral("r."), QStringLiteral("l."));
            if (word.contains(nasalAa))
                names.replace(QStringLiteral("V~"), QStringLiteral("a~"));
            if (longI)
                names = withLongI(word, names);
            // A ી the voice already says long leaves its word as text.
            if (flapOrNasal || names != said)
                word = QStringLiteral("[[") + names + QStringLiteral("]]");
        }
        pieces << words.join(u' ');
        if (start < 0)
            break;
        const qsizetype end = text.indexOf(QStringLiteral("]]"), start);
        const qsizetype after = end < 0 ? text.size() : end + 2;
        pieces << text.mid(start, after - start);
        pos = after;
    }
    return pieces.join(QString());
}

} // namespace

Pcm speak(const QString &text, const QString &voice)
{
    const QByteArray utf8 = mended(text, voice).toUtf8();
    Pcm pcm;
    synthesise(utf8, voice.toUtf8(), pcm, nullptr);

    // The silence after the words varies in length with what was spoken
    // before; trimming with fixed margins makes the result depend on the
    // words alone.
    trimSilence(pcm, LeadMargin, TailMargin);
    if (pcm.samples.empty())
        throw std::runtime_error("espeak-ng produced no sound (text \"" + utf8.toStdString() +
                                 "\")");
    fadeEnds(pcm, FadeIn, FadeOut);
    normalisePeak(pcm, Peak);
    return pcm;
}

Pcm speakHeld(const QString &text, double voicedSeconds, const QString &voice)
{
    Pcm pcm = speak(text, voice);
    holdVowel(pcm, voicedSeconds);
    trimSilence(pcm, LeadMargin, TailMargin);
    fadeEnds(pcm, FadeIn, FadeOut);
    normalisePeak(pcm, Peak);
    return pcm;
}

QString phonemes(const QString &text, const QString &voice)
{
    return traced(mended(text, voice), voice);
}

} // namespace sounds
