#include "course/coursegen/CoursePlan.h"

#include "course/coursegen/CourseTables.h"
#include "course/coursegen/ExamplePlacement.h"
#include "course/coursegen/HeldVoice.h"
#include "course/coursegen/LevelForms.h"
#include "course/coursegen/NumberRange.h"
#include "exercises/letters/order/Congratulations.h"
#include "platform/text/KeyText.h"
#include "platform/text/SyllableChart.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <stdexcept>

namespace coursegen {
namespace {

// Pixel sizes of the lesson's controls (their twips divided by 15).
constexpr QSize LetterPictureSize{120, 150}; // ImgLetter 1800 x 2250
constexpr QSize StrokeSize{121, 161};        // AnimationLetter 1815 x 2415
constexpr QSize WordStripSize{129, 49};      // AnimWordA 1935 x 735
constexpr QSize TracingSize{112, 112};       // Picture1 1680 x 1680
constexpr QSize ClickSize{55, 39};           // AnimClick 825 x 585
constexpr QSize SmallClickSize{29, 25};      // aniClick2 435 x 375
constexpr QSize InstructionSize{321, 17};    // Instruction2 4815 x 255
// imgSplash on a 1024 x 768 screen: half its width, 85 hundredths of its
// height. Every listed screen but 1280 x 1024 gives it this shape.
constexpr QSize SplashSize{512, 653};
// A keyboard stretches a key's picture to 25 x 33 (ImgLetter 375 x 495) and
// a row of letters or numbers to 25 x 25 (375 x 375). Drawn at twice the
// size between the two in proportion, so both shrink it and neither
// stretches the glyph by more than a seventh.
constexpr QSize KeyPictureSize{50, 58};
constexpr int TracingVariants = 6;
constexpr int ChantMilliseconds = 6000;
constexpr int ApplauseMilliseconds = 3000;

QString itemFolder(ItemTable table)
{
    switch (table) {
    case ItemTable::Consonants:
        return QStringLiteral("\\letters\\consonants\\");
    case ItemTable::Vowels:
        return QStringLiteral("\\letters\\vowels\\");
    case ItemTable::VowelSigns:
        return QStringLiteral("\\letters\\signs\\");
    case ItemTable::Numerals:
        break;
    }
    return QStringLiteral("\\letters\\numerals\\");
}

// The stored paths of one item's media. Named by lesson order, not by key:
// the keys "k" and "K" would be one file where names ignore case.
struct ItemPaths
{
    QString picture, stroke, sound, key;
    QString exampleAnimation[2], exampleSound[2], exampleWord[2];
    QString tracing[TracingVariants];

    explicit ItemPaths(const CourseItem &item)
    {
        const QString stem =
            itemFolder(item.table) + QStringLiteral("%1").arg(item.index, 2, 10, QChar(u'0'));
        picture = stem + QStringLiteral(".png");
        stroke = stem + QStringLiteral(".gif");
        sound = stem + QStringLiteral(".mp3");
        key = stem + QStringLiteral("-key.png");
        for (int e = 0; e < 2; ++e) {
            const QString example = stem + (e == 0 ? QStringLiteral("-a") : QStringLiteral("-b"));
            exampleAnimation[e] = example + QStringLiteral(".gif");
            exampleSound[e] = example + QStringLiteral(".mp3");
            exampleWord[e] = example + QStringLiteral("-word.gif");
        }
        for (int v = 0; v < TracingVariants; ++v)
            tracing[v] = stem + QStringLiteral("-trace%1.png").arg(v + 1);
    }
};

void addItemMedia(QList<MediaJob> &media, const CourseItem &item, const QStringList &kin)
{
    const ItemPaths paths(item);
    media.append({MediaKind::LetterPicture, paths.picture, item.text, 0, LetterPictureSize, kin});
    media.append(
        {MediaKind::StrokeAnimation, paths.stroke, item.text, 0, StrokeSize, kin, item.strokes});
    media.append(
        {MediaKind::LetterSpeech, paths.sound, item.say, heldVoiceMilliseconds(item.text)});
    for (int e = 0; e < 2; ++e) {
        const Example &example = item.examples.at(e);
        media.append({MediaKind::ExampleAnimation, paths.exampleAnimation[e], example.emoji,
                      item.count, placement::exampleSize(item.count)});
        media.append({MediaKind::Speech, paths.exampleSound[e], example.say});
        media.append({MediaKind::WordStrip, paths.exampleWord[e], example.word, 0, WordStripSize});
    }
    for (int v = 0; v < TracingVariants; ++v)
        media.append({MediaKind::TracingPicture, paths.tracing[v], item.text, v + 1, TracingSize,
                      kin, item.strokes});
}

void addFixedMedia(QList<MediaJob> &media)
{
    media.append({MediaKind::Logo, QStringLiteral("\\Animation\\logo.gif")});
    media.append(
        {MediaKind::ClickHint, QStringLiteral("\\Animation\\click.gif"), {}, 0, ClickSize});
    media.append({MediaKind::ClearClickHint,
                  QStringLiteral("\\Animation\\click2.gif"),
                  {},
                  0,
                  SmallClickSize});
    media.append({MediaKind::Loading, QStringLiteral("\\Animation\\loading.gif")});
    media.append({MediaKind::Instruction, QStringLiteral("\\Animation\\instruction2.gif"),
                  QStringLiteral("Click the letter to watch and hear it, then trace it in the "
                                 "boxes below"),
                  0, InstructionSize});
    // The lesson shows this one at level 11, the vowels.
    media.append({MediaKind::Instruction, QStringLiteral("\\Animation\\numberinstruction2.gif"),
                  QStringLiteral("Click the vowel to watch and hear it, then trace it in the "
                                 "boxes below"),
                  0, InstructionSize});
    media.append({MediaKind::TestInstruction, QStringLiteral("\\Animation\\testinstructions.gif"),
                  QStringLiteral("Click the pictures in the order you learnt them"), 0,
                  InstructionSize});
    // The order test shows this one at level 11, the vowels.
    media.append(
        {MediaKind::TestInstruction, QStringLiteral("\\Animation\\numbertestinstructions.gif"),
         QStringLiteral("Click the vowels in the order you learnt them"), 0, InstructionSize});
    media.append({MediaKind::Chant, QStringLiteral("\\sounds\\ohm.mp3"), {}, ChantMilliseconds});
    // Over an order test's tiles, drawn for the shape of each window's block;
    // the one the engine names has frmTest8's.
    const std::vector<QSize> blocks = order::tileBlockShapes();
    media.append({MediaKind::Congratulations,
                  QStringLiteral("\\test\\congratulations.gif"),
                  {},
                  0,
                  blocks.front()});
    for (const QSize block : blocks)
        media.append({MediaKind::Congratulations, order::congratulationsFor(block), {}, 0, block});
    media.append(
        {MediaKind::Applause, QStringLiteral("\\test\\Applause.mp3"), {}, ApplauseMilliseconds});
    // Pictures of the splash and information screens, for the windows that
    // show them.
    media.append({MediaKind::Splash, QStringLiteral("\\pictures\\splash.png"), {}, 0, SplashSize});
    for (int i = 1; i <= 3; ++i)
        media.append(
            {MediaKind::InfoPicture, QStringLiteral("\\pictures\\info%1.png").arg(i), {}, i});
    media.append({MediaKind::SpeakerPicture, QStringLiteral("\\pictures\\speaker.png")});
}

// Every recording the chart can ask for. The sign recordings speak the vowel
// each sign stands for, in the chart's order, which is the vowel table's.
// A click names the consonant and the sign alone before the syllable: those
// names are held as the lessons' are; the syllables, which a row plays one
// after another, are not.
void addSyllableMedia(QList<MediaJob> &media, const CourseTables &tables)
{
    namespace syl = text::syllables;
    // "plus"
    media.append({MediaKind::SyllableSpeech, syl::plusSound(), QStringLiteral("વત્તા")});
    const QList<CourseItem> &vowels = tables.items(ItemTable::Vowels);
    for (int sign = 0; sign < syl::SignCount; ++sign) {
        const CourseItem &vowel = vowels.at(sign);
        media.append({MediaKind::SyllableSpeech, syl::signSound(sign), vowel.say,
                      heldVoiceMilliseconds(vowel.text)});
    }
    const QList<CourseItem> &consonants = tables.items(ItemTable::Consonants);
    for (int consonant = 0; consonant < syl::ConsonantCount; ++consonant) {
        const QString key = text::consonantKeyAt(consonant);
        const auto item = std::find_if(consonants.cbegin(), consonants.cend(),
                                       [&](const CourseItem &c) { return c.key == key; });
        // The click recording of sign 0 is the consonant alone, said as its
        // lesson says it (ણ and ળ need their say texts).
        for (int sign = 0; sign < syl::SignCount; ++sign) {
            const QString syllable = text::toUnicode(syl::syllableKey(key, sign));
            const QString spoken = sign == 0 && item != consonants.cend() ? item->say : syllable;
            media.append({MediaKind::SyllableSpeech, syl::syllableSound(sign, consonant), spoken,
                          sign == 0 ? heldVoiceMilliseconds(syllable) : 0});
            media.append({MediaKind::SyllableSpeech, syl::playAllSound(sign, consonant), spoken});
        }
    }
}

bool isSpeech(MediaKind kind)
{
    return kind == MediaKind::Speech || kind == MediaKind::LetterSpeech ||
           kind == MediaKind::SyllableSpeech;
}

QString wordSound(const CourseWord &word)
{
    return QStringLiteral("\\words\\%1.mp3").arg(word.id, 2, 10, QChar(u'0'));
}

// Each recording speaks the word as its say cell gives it.
void addWordMedia(QList<MediaJob> &media, const CourseTables &tables)
{
    for (const CourseWord &word : tables.words)
        media.append({MediaKind::Speech, wordSound(word), word.say});
}

// The letter keys' pictures: the consonants on one baseline and at one
// size, so that a word spelt in them reads evenly.
void addKeyMedia(QList<MediaJob> &media, const CourseTables &tables)
{
    const QList<CourseItem> &consonants = tables.items(ItemTable::Consonants);
    QStringList keySet;
    for (const CourseItem &item : consonants)
        keySet << item.text;
    for (const CourseItem &item : consonants)
        media.append(
            {MediaKind::KeyPicture, ItemPaths(item).key, item.text, 0, KeyPictureSize, keySet});
}

// The letter keyboard in the chart's consonant order, each key showing its
// letter's key picture and playing the sound that the letter's lesson has;
// then the words, spelt in those key numbers.
void addSpelling(LevelContent &content, const CourseTables &tables)
{
    const QList<CourseItem> &consonants = tables.items(ItemTable::Consonants);
    QHash<QString, int> keyNumbers; // consonant key -> its number on the keyboard
    for (int i = 0; i < text::ConsonantKeyCount; ++i) {
        const QString key = text::consonantKeyAt(i);
        const auto item = std::find_if(consonants.cbegin(), consonants.cend(),
                                       [&](const CourseItem &c) { return c.key == key; });
        if (item == consonants.cend())
            throw std::logic_error("no consonant has the key " + key.toStdString());
        const ItemPaths paths(*item);
        content.keys.append({i + 1, key, item->text, paths.key, paths.sound});
        keyNumbers.insert(key, i + 1);
    }
    for (const CourseWord &word : tables.words) {
        content.words.append({word.id, wordSound(word)});
        for (int letter : word.letters) {
            content.wordLetters.append({word.id, keyNumbers.value(consonants.at(letter).key),
                                        int(content.wordLetters.size()) + 1});
        }
    }
}

QString numberSound(int number)
{
    return QStringLiteral("\\numbers\\%1.mp3").arg(number, 3, 10, QChar(u'0'));
}

QString digitPicture(int digit)
{
    return QStringLiteral("\\numbers\\digit%1.png").arg(digit);
}

// One picture per digit serves every level typed on the digit keypad; every number is
// recorded once, 0 for the keypad's zero key.
void addNumberMedia(QList<MediaJob> &media, const CourseTables &tables)
{
    for (int digit = 0; digit <= 9; ++digit)
        media.append(
            {MediaKind::DigitPicture, digitPicture(digit), numeralOf(digit), 0, KeyPictureSize});
    // The digits 0 to 9 are also the keypad's keys: held like a letter's name.
    for (const CourseNumber &number : tables.numbers) {
        const int voice =
            number.value <= 9 ? heldVoiceMilliseconds(number.numeral) : NumberVoiceMilliseconds;
        media.append({MediaKind::LetterSpeech, numberSound(number.value), number.say, voice});
    }
}

// The digit keypad, whose key numbers are the digits themselves, each key
// speaking its digit.
void addDigitKeys(LevelContent &content)
{
    for (int digit = 0; digit <= 9; ++digit) {
        const QString code = QString::number(digit);
        content.keys.append(
            {digit, code, text::toUnicode(code), digitPicture(digit), numberSound(digit)});
    }
}

// The numbers of the range. The window asks for a number's recording by its
// position in the range and for its digits by the number itself, so Words is
// keyed by position and WordLetter by number.
void addNumbers(LevelContent &content, const NumberRange &range)
{
    for (int position = 1; position <= range.count; ++position) {
        const int number = range.numberAt(position);
        content.words.append({position, numberSound(number)});
        for (const QChar digit : QString::number(number))
            content.wordLetters.append(
                {number, digit.digitValue(), int(content.wordLetters.size()) + 1});
    }
}

schema::LetterRow letterRow(const CourseItem &item, int id)
{
    const ItemPaths paths(item);
    schema::LetterRow row;
    row.ID = id;
    row.LetterPicture = paths.picture;
    row.LetterAnimation = paths.stroke;
    row.LetterSound = paths.sound;
    row.LetterPronounciation = item.name;

    const QSize size = placement::exampleSize(item.count);
    const QRect a = placement::place(placement::AreaA, size);
    row.PictureAAnimation = paths.exampleAnimation[0];
    row.PictureATop = a.top();
    row.PictureALeft = a.left();
    row.PictureAHeight = a.height();
    row.PictureAWidth = a.width();
    row.PictureASound = paths.exampleSound[0];
    row.PictureAWord = paths.exampleWord[0];

    const QRect b = placement::place(placement::AreaB, size);
    row.PictureBAnimation = paths.exampleAnimation[1];
    row.PictureBTop = b.top();
    row.PictureBLeft = b.left();
    row.PictureBHeight = b.height();
    row.PictureBWidth = b.width();
    row.PictureBSound = paths.exampleSound[1];
    row.PictureBWord = paths.exampleWord[1];

    row.PictureLetter1 = paths.tracing[0];
    row.PictureLetter2 = paths.tracing[1];
    row.PictureLetter3 = paths.tracing[2];
    row.PictureLetter4 = paths.tracing[3];
    row.PictureLetter5 = paths.tracing[4];
    row.PictureLetter6 = paths.tracing[5];
    return row;
}

// Two stored names that differ only in case would be one file where names
// ignore case; a planning slip must not get as far as the disk.
void checkUniquePaths(const QList<MediaJob> &media)
{
    QSet<QString> seen;
    for (const MediaJob &job : media) {
        if (!job.storedPath.startsWith(u'\\'))
            throw std::logic_error("stored path without a leading backslash: " +
                                   job.storedPath.toStdString());
        const QString folded = job.storedPath.toCaseFolded();
        if (seen.contains(folded))
            throw std::logic_error("two files planned as " + job.storedPath.toStdString());
        seen.insert(folded);
    }
}

} // namespace

CoursePlan CoursePlan::make(const CourseTables &tables)
{
    CoursePlan plan;

    // Media of the items that some level uses, each once.
    QHash<int, QSet<int>> used;
    for (const LevelEntry &level : tables.levels) {
        if (level.table) {
            for (int index : level.items)
                used[int(*level.table)].insert(index);
        }
        // The key set names every consonant's recording.
        if (isSpelling(level.level)) {
            for (int i = 0; i < tables.consonants.size(); ++i)
                used[int(ItemTable::Consonants)].insert(i);
        }
    }
    for (ItemTable table :
         {ItemTable::Consonants, ItemTable::Vowels, ItemTable::VowelSigns, ItemTable::Numerals}) {
        const QList<CourseItem> &items = tables.items(table);
        QStringList kin;
        for (const CourseItem &item : items)
            kin << item.text;
        for (int i = 0; i < items.size(); ++i) {
            if (used.value(int(table)).contains(i))
                addItemMedia(plan.media, items.at(i), kin);
        }
    }
    addFixedMedia(plan.media);
    bool chart = false;
    bool spelling = false;
    bool digitKeys = false;
    for (const LevelEntry &level : tables.levels) {
        chart = chart || isSyllableChart(level.level);
        spelling = spelling || isSpelling(level.level);
        digitKeys = digitKeys || usesDigitKeys(level.level);
    }
    if (chart)
        addSyllableMedia(plan.media, tables);
    if (spelling) {
        addKeyMedia(plan.media, tables);
        addWordMedia(plan.media, tables);
    }
    if (digitKeys)
        addNumberMedia(plan.media, tables);
    checkUniquePaths(plan.media);
    // Every recording's text goes through the one say-text step, here.
    for (MediaJob &job : plan.media) {
        if (isSpeech(job.kind))
            job.text = sayText(job.text, tables.pronunciation);
    }

    for (const LevelEntry &entry : tables.levels) {
        LevelContent content;
        content.level = entry.level;
        content.passMark = entry.passMark;
        if (isSyllableChart(entry.level))
            content.maxLetter = text::syllables::LastConsonant;
        if (isSpelling(entry.level))
            addSpelling(content, tables);
        if (usesDigitKeys(entry.level))
            addDigitKeys(content);
        if (isNumbers(entry.level))
            addNumbers(content, NumberRange::of(*levels::row(entry.level)));
        if (entry.table) {
            const QList<CourseItem> &items = tables.items(*entry.table);
            for (int index : entry.items)
                content.letters.append(letterRow(items.at(index), int(content.letters.size()) + 1));
        }
        plan.levels.append(content);
    }
    return plan;
}

} // namespace coursegen
