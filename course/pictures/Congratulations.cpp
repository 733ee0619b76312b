#include "course/pictures/Card.h"
#include "course/pictures/Colours.h"
#include "course/pictures/EnglishFont.h"
#include "course/pictures/GifWriter.h"
#include "course/pictures/Pictures.h"
#include "course/pictures/ShapedText.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <cstdint>

namespace pictures {

namespace {

const QSize CongratulationsSize(320, 200);
constexpr int Frames = 16;
constexpr int DelayCs = 8;
constexpr int Pieces = 36;

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

std::vector<Piece> makeConfetti()
{
    static const std::array<QColor, 6> palette = {QColor(230, 60, 80),  QColor(255, 170, 0),
                                                  QColor(60, 170, 80),  QColor(50, 120, 220),
                                                  QColor(170, 70, 200), QColor(255, 215, 0)};
    Sequence random;
    std::vector<Piece> pieces;
    for (int i = 0; i < Pieces; ++i) {
        Piece p;
        p.x = random.next() * CongratulationsSize.width();
        p.y = random.next() * CongratulationsSize.height();
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

void paintPiece(QPainter &painter, const Piece &piece, int frame)
{
    const qreal t = qreal(frame) / Frames;
    const qreal height = CongratulationsSize.height() + 20;
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

void writeCongratulations(const QString &gifPath)
{
    const QRectF whole(QPointF(0, 0), QSizeF(CongratulationsSize));
    const ShapedText bravo =
        fitInto(shapeGujarati(QStringLiteral("\u0AB6\u0ABE\u0AAC\u0ABE\u0AB6!")),
                QRectF(40, 30, 240, 100), 0.6);
    const std::vector<Piece> confetti = makeConfetti();

    std::vector<GifFrame> frames;
    for (int f = 0; f < Frames; ++f) {
        QImage image = newCard(CongratulationsSize, colours::InfoWindow);
        QPainter painter(&image);
        prepare(painter);
        for (int i = 0; i < Pieces / 2; ++i)
            paintPiece(painter, confetti[std::size_t(i)], f);

        // The word swells and settles once per loop.
        const qreal pulse = 1 + 0.06 * std::sin(2 * M_PI * f / Frames);
        painter.save();
        painter.translate(bravo.bounds().center());
        painter.scale(pulse, pulse);
        painter.translate(-bravo.bounds().center());
        painter.fillPath(bravo.ink.translated(2, 3), QColor(120, 60, 0, 90));
        painter.fillPath(bravo.ink, QColor(220, 40, 90));
        painter.restore();

        painter.setFont(englishFont(22));
        painter.setPen(colours::Letter);
        painter.drawText(QRectF(0, 135, whole.width(), 40), Qt::AlignCenter,
                         QStringLiteral("Well done!"));
        for (int i = Pieces / 2; i < Pieces; ++i)
            paintPiece(painter, confetti[std::size_t(i)], f);
        painter.end();
        frames.push_back({image, DelayCs});
    }
    writeGif(gifPath, frames);
}

} // namespace pictures
