#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

// Reading back what the writers made, the way the course's players will.
namespace probe {

// Every frame as QImageReader composes it (GIF frames drawn over the previous ones).
std::vector<QImage> frames(const QString &path);
// The same with their transparency kept (Format_ARGB32).
std::vector<QImage> framesWithAlpha(const QString &path);

// Pixels that differ clearly from `background`.
int inkCount(const QImage &image, const QColor &background = Qt::white);
QRect inkBounds(const QImage &image, const QColor &background = Qt::white);

// Pixels of strong colour (far from any grey): emoji, not text in one dark tone.
int colourfulCount(const QImage &image);

// Pixels that are not fully transparent and lie within `tolerance` of `colour` in every
// channel.
int countNear(const QImage &image, const QColor &colour, int tolerance);

// Separate blobs of at least `minimumArea` pixels of ink against the background.
int blobCount(const QImage &image, const QColor &background, int minimumArea);

QByteArray fileBytes(const QString &path);

} // namespace probe
