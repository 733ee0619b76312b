#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;

namespace pictures {

// A white card with rounded corners and a thin frame, its corners painted in the colour
// of the window it will sit on, so the GIF blends in without transparency.
QImage newCard(QSize size, const QColor &window);

// A plain white picture for places that frame it themselves (letter panel, tracing boxes).
QImage newWhitePicture(QSize size);

// Antialiasing and smooth scaling, for every painter of the course's pictures.
void prepare(QPainter &painter);

} // namespace pictures
