#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace controls {

class AniGif;

// The helpers every window's form-building code shares.

// A font of the given size in points.
QFont timesNewRoman(qreal points, bool bold);

// The text colour of a plain widget, given as &HBBGGRR.
void setForeColor(QWidget &widget, quint32 bgr);

// An animation placed at the given twips, running on ReadGIF when autoPlay is set.
AniGif *makeAnimation(QWidget *parent, int left, int top, int width, int height, bool autoPlay);

// Shows an animation from the program folder from its first frame.
void showAnimation(AniGif &animation, const QString &storedPath);

// Places a control at the given twips, in the order the layout tables list them.
template <typename Control> void place(Control &control, int top, int left, int height, int width)
{
    control.setTop(top);
    control.setLeft(left);
    control.setHeight(height);
    control.setWidth(width);
}

} // namespace controls
