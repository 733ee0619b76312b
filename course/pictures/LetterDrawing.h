#pragma once

#include "course/pictures/ShapedText.h"

#include <QRectF>
#include <QSize>
#include <QStringList>

class QPainter;

namespace pictures {

// Where the letter goes in a picture of `size`: the picture less a margin.
QRectF letterBox(QSize size);

// The text shaped and fitted to a picture of `size`, at the size its `kin` share.
ShapedText letterFor(const QString &text, QSize size, const QStringList &kin = {});

// The faint dotted circle under a lone vowel sign, if any.
void paintPlaceholder(QPainter &painter, const ShapedText &letter);

// The letter filled in its colour; `opacity` below 1 lets the fill fade in.
void paintLetter(QPainter &painter, const ShapedText &letter, qreal opacity = 1.0);

} // namespace pictures
