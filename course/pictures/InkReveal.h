#pragma once

#include "course/pictures/PenPath.h"

#include <QImage>

#include <vector>

namespace pictures {

// The letter's own ink, uncovered as the pen passes: every pixel of it belongs to the
// nearest stretch of the pen's path, so a stem's top beyond the centre line, a stub that
// thinning dropped or a blob at a line's end is written with the line it hangs from,
// never left for the finished letter to show all at once.
class InkReveal final
{
public:
    // `ink`: the finished letter alone on a transparent picture.
    InkReveal(QImage ink, const PenPath &pen);

    // The ink the pen has written once `length` of its path is drawn.
    QImage upTo(qreal length) const;

private:
    QImage m_ink;
    std::vector<qreal> m_at; // per pixel: how far along the path the pen uncovers it
};

} // namespace pictures
