#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace pictures {

// Gujarati text shaped by the font (conjuncts, vowel signs, half forms) as outlines.
// The dotted circle that carries a lone vowel sign is kept apart, so it can be drawn as
// a faint placeholder rather than as part of the letter.
struct ShapedText
{
    QPainterPath ink;
    QPainterPath placeholder;

    QRectF bounds() const { return ink.boundingRect().united(placeholder.boundingRect()); }
    bool isEmpty() const { return ink.isEmpty() && placeholder.isEmpty(); }
};

// Shapes `text` in Noto Sans Gujarati (bold unless told) at a large size, baseline at 0.
// Throws std::runtime_error when the text has no visible glyph.
ShapedText shapeGujarati(const QString &text, bool bold = true);

// Scales and centres `text` into `box`. A single consonant comes out `letterHeight`
// times the box's height tall; marks above and below, wide conjuncts and longer words
// are shrunk as needed so everything stays inside the box.
ShapedText fitInto(const ShapedText &text, const QRectF &box, qreal letterHeight = 0.55);

// As fitInto, at the one scale that lets every text of `kin` fit `box`, so that letters
// shown side by side (the consonants, the vowels...) come out the same size and a wide
// one is not smaller than its neighbours. `text` counts as one of its kin.
ShapedText fitAlike(const ShapedText &text, const QStringList &kin, const QRectF &box,
                    qreal letterHeight = 0.55);

} // namespace pictures
