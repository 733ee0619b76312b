#include "course/pictures/Card.h"
#include "course/pictures/Checks.h"
#include "course/pictures/Colours.h"
#include "course/pictures/EnglishFont.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace pictures {

namespace {

constexpr int Frames = 16;
constexpr int DelayCs = 8;
// As many as fall on 320 x 200 at this density.
constexpr int PiecesPerArea = 36;
constexpr qreal AreaOfPieces = 320.0 * 200.0;

// A fixed sequence of numbers: the confetti falls the same way in every build.
class Sequence
{
public:
    qreal next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return qreal(m_state >> 40) / qreal(1ULL << 24);
    }

private:
    std::uint64_t m_state = 2024;
};

struct Piece
{
    qreal x;
    qreal y;
    qreal turns; // whole turns per loop, so the loop joins up
    int laps;    // falls through the picture this many times per loop
    QColor colour;
    bool star;
};

std::vector<Piece> makeConfetti(QSize size)
{
    static const std::array<QColor, 6> palette = {QColor(230, 60, 80),  QColor(255, 170, 0),
                                                  QColor(60, 170, 80),  QColor(50, 120, 220),
                                                  QColor(170, 70, 200), QColor(255, 215, 0)};
    Sequence random;
    std::vector<Piece> pieces;
    const int count =
        std::max(12, int(PiecesPerArea * size.width() * size.height() / AreaOfPieces));
    for (int i = 0; i < count; ++i) {
        Piece p;
        p.x = random.next() * size.width();
        p.y = random.next() * size.height();
        p.turns = random.next() < 0.5 ? 1 : -1;
        p.laps = 1 + int(random.next() * 2);
        p.colour = palette[std::size_t(i) % palette.size()];
        p.star = i % 4 == 0;
        pieces.push_back(p);
    }
    return pieces;
}

QPainterPath starPath(qreal outer)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : outer * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void paintPiece(QPainter &painter, const Piece &piece, int frame, int pictureHeight)
{
    const qreal t = qreal(frame) / Frames;
    const qreal height = pictureHeight + 20;
    const qreal y = std::fmod(piece.y + piece.laps * height * t, height) - 10;
    painter.save();
    painter.translate(piece.x + 6 * std::sin(2 * M_PI * (t + piece.x / 97)), y);
    painter.rotate(360 * piece.turns * t);
    if (piece.star) {
        painter.fillPath(starPath(7), piece.colour);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(piece.colour);
        painter.drawRect(QRectF(-4, -2, 8, 4));
    }
    painter.restore();
}

} // namespace

void writeCongratulations(const QString &gifPath, QSize size, const QRect &words)
{
    requireSize(size, "congratulations");
    const QRectF place = QRectF(words).intersected(QRectF(QPointF(0, 0), QSizeF(size)));
    if (place.height() < 20 || place.width() < 40)
        throw std::runtime_error("congratulations: no room for the words");
    // The Gujarati word above, the English below it; the swell stays inside.
    const qreal english = place.height() * 0.3;
    const QRectF bravoBox = place.adjusted(0, 0, 0, -english);
    const ShapedText bravo =
        fitInto(shapeGujarati(QStringLiteral("\u0AB6\u0ABE\u0AAC\u0ABE\u0AB6!")),
                bravoBox.adjusted(bravoBox.width() * 0.05, bravoBox.height() * 0.05,
                                  -bravoBox.width() * 0.05, -bravoBox.height() * 0.05),
                0.8);
    QFont font = englishFont(22);
    font.setPixelSize(std::max(8, std::min(22, int(english * 0.75))));
    const QRectF englishBox(place.left(), place.bottom() - english, place.width(), english);
    const std::vector<Piece> confetti = makeConfetti(size);

    std::vector<GifFrame> frames;
    for (int f = 0; f < Frames; ++f) {
        QImage image = newCard(size, colours::InfoWindow);
        QPainter painter(&image);
        prepare(painter);
        const std::size_t behind = confetti.size() / 2;
        for (std::size_t i = 0; i < behind; ++i)
            paintPiece(painter, confetti[i], f, size.height());

        // The word swells and settles once per loop.
        const qreal pulse = 1 + 0.06 * std::sin(2 * M_PI * f / Frames);
        painter.save();
        painter.translate(bravo.bounds().center());
        painter.scale(pulse, pulse);
        painter.translate(-bravo.bounds().center());
        painter.fillPath(bravo.ink.translated(2, 3), QColor(120, 60, 0, 90));
        painter.fillPath(bravo.ink, QColor(220, 40, 90));
        painter.restore();

        painter.setFont(font);
        painter.setPen(colours::Letter);
        painter.drawText(englishBox, Qt::AlignCenter, QStringLiteral("Well done!"));
        for (std::size_t i = behind; i < confetti.size(); ++i)
            paintPiece(painter, confetti[i], f, size.height());
        painter.end();
        frames.push_back({image, DelayCs});
    }
    writeGif(gifPath, frames);
}

} // namespace pictures
