#pragma once

// Everything the course shows that is drawn rather than recorded: letter pictures,
// stroke and example animations, word strips, tracing guides and the fixed media.
//
// Every writer writes aside (path + ".part") and renames into place, so a reader never
// sees half a file, and throws std::runtime_error naming the file when it fails. Output
// is deterministic: the same arguments give byte-identical files. Sizes are in pixels.
// Text is Unicode Gujarati, shaped and drawn in Noto Sans Gujarati. A QGuiApplication
// must exist (fonts).
//
// Backgrounds: letter, tracing and example pictures are white cards; strips and hints
// that sit on a window carry that window's own background colour at their edges, or
// (the information screen's hint) are transparent around what they show.

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace pictures {

// `kin`: the letters shown alongside this one (its table: the consonants, the vowels...).
// A letter is drawn at the one size that fits all of them, so neighbours look alike.
// `starts`: where its strokes begin when the usual order (top left first) is wrong, as
// compass points ("ne sw"; see PenPath.h); an unknown point throws.

// The letter (or syllable, or vowel sign on its dotted circle) large and centred.
void writeLetterPicture(const QString &text, const QString &pngPath, QSize size,
                        const QStringList &kin = {});

// One pass: a pen writes the letter along the centre of its strokes, in writing order,
// over a faint guide; then the letter holds, exactly as its letter picture at this size.
// The file loops; the player decides how many passes it shows.
void writeStrokeAnimation(const QString &text, const QString &gifPath, QSize size,
                          const QStringList &kin = {}, const QString &starts = {});

// A light guide of the letter for the learner to draw over; variants 1..6 differ in the
// guide's style (solid, outlined, dotted) and whether a green start dot is shown (where
// the pen starts in the stroke animation).
void writeTracingPicture(const QString &text, int variant, const QString &pngPath, QSize size,
                         const QStringList &kin = {}, const QString &starts = {});

// `count` copies of the emoji (1 for words, N for numerals), gently bobbing, looping.
void writeExampleAnimation(const QString &emoji, int count, const QString &gifPath, QSize size);

// A key's letter (or numeral) filling its picture, for the key and for a cell of a
// row of keys. Every text of `kin`, the key set, shares one scale and one baseline,
// so the letters of a word and the digits of a number stand in line; each is centred
// across its picture.
void writeKeyPicture(const QString &text, const QString &pngPath, QSize size,
                     const QStringList &kin);

// A key of the digit keypad: a Gujarati numeral ૦ to ૯ among the ten.
void writeDigitPicture(const QString &numeral, const QString &pngPath, QSize size);

// The word in Gujarati with a colour sweep passing over it, looping.
void writeWordStrip(const QString &word, const QString &gifPath, QSize size);

// Fixed media, one file each.
void writeLogo(const QString &gifPath);                                         // 81 x 97
void writeClickHint(const QString &gifPath, QSize size);                        // pointing hand
void writeLoading(const QString &gifPath);                                      // 121 x 15
void writeInstruction(const QString &text, const QString &gifPath, QSize size); // text in motion
void writeInfoPicture(int index, const QString &pngPath);                       // 116 x 134, 1..3
void writeSpeakerPicture(const QString &pngPath);                               // 32 x 32

// The splash screen's picture, drawn for the size it is shown at.
void writeSplash(const QString &pngPath, QSize size);

// Confetti falling over "Well done!" in Gujarati and English, looping, for the
// size of the tile block it covers. The words stand in `words` (pixels, inside
// the picture), the part that the pass message leaves in sight.
void writeCongratulations(const QString &gifPath, QSize size, const QRect &words);

// The hint with nothing around the hand (GIF transparency), for the information
// screen's corner; its soft edges are blended towards `edges`, the colour behind it.
void writeClearClickHint(const QString &gifPath, QSize size, const QColor &edges);

// The strip on the background of another window than the letter lesson's (the tests
// use colours::InfoWindow).
void writeInstruction(const QString &text, const QString &gifPath, QSize size,
                      const QColor &background);

} // namespace pictures
