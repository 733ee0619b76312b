#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace testmedia {

// A mono 16-bit PCM WAV file of a square tone lasting milliseconds.
void writeWav(const QString &path, int milliseconds);

// One frame per colour, each filling the whole picture and shown for
// delayCentiseconds. loopCount: -1 writes no loop block (a viewer plays the
// file once), 0 loops for ever, n > 0 asks for n repeats.
void writeGif(const QString &path, const QList<QColor> &frames, int width, int height,
              int delayCentiseconds, int loopCount);

} // namespace testmedia
