#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QMovie>
#include <QPolygonF>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

const QSize LetterSize(120, 150);
const QSize StrokeSize(121, 161);
const QSize TracingSize(112, 112);
const QColor PenTip(200, 40, 90);
const QColor Written(28, 48, 150);
const QColor GuideFill(196, 208, 240);

// A table's rows, each as its cells by column name.
QList<QHash<QString, QString>> tableRows(const QString &file)
{
    QFile in(QDir(QStringLiteral(OSTRANA_COURSE_TABLES)).filePath(file));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
    QStringList columns;
    QList<QHash<QString, QString>> rows;
    for (const QString &line : QString::fromUtf8(in.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        if (columns.isEmpty()) {
            columns = cells;
            continue;
        }
        QHash<QString, QString> row;
        for (int i = 0; i < int(std::min(cells.size(), columns.size())); ++i)
            row.insert(columns.at(i), cells.at(i));
        rows << row;
    }
    return rows;
}

// What a table draws: the column of its letters, in lesson order.
QStringList tableTexts(const QString &file, const QString &column)
{
    QStringList texts;
    for (const auto &row : tableRows(file))
        texts << row.value(column);
    return texts;
}

// Where strokes.tsv says the letter's strokes start; empty for the usual order.
QString startsOf(const QString &text)
{
    static const QHash<QString, QString> starts = [] {
        QHash<QString, QString> byLetter;
        for (const auto &row : tableRows(QStringLiteral("strokes.tsv")))
            byLetter.insert(row.value(QStringLiteral("letter")),
                            row.value(QStringLiteral("starts")));
        return byLetter;
    }();
    return starts.value(text);
}

struct Kind
{
    QString file, column;
};
const Kind Kinds[] = {{"consonants.tsv", "letter"},
                      {"vowels.tsv", "letter"},
                      {"vowel_signs.tsv", "shown"},
                      {"numerals.tsv", "numeral"}};

bool near(QRgb pixel, const QColor &colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// The letter's own ink in a finished picture (not the faint circle under a sign).
struct Mask
{
    QImage image;
    bool at(int x, int y) const
    {
        return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 140;
    }
    bool touches(int x, int y) const
    {
        return at(x, y) || at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1);
    }
    // How far (x, y) is from the nearest pixel outside the letter.
    int depth(int x, int y) const
    {
        for (int r = 0; r < 30; ++r) {
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    if (dx * dx + dy * dy <= r * r && !at(x + dx, y + dy))
                        return r;
        }
        return 30;
    }
    QRect bounds() const
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (at(x, y))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

std::optional<QPointF> centreOf(const QImage &image, const QColor &colour, int tolerance)
{
    QPointF sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixel(x, y), colour, tolerance)) {
                sum += QPointF(x, y);
                ++count;
            }
    if (count == 0)
        return std::nullopt;
    return sum / count;
}

int countOf(const QImage &image, const QColor &colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    return count;
}

QPointF within(QPointF p, const QRect &box)
{
    return QPointF((p.x() - box.left()) / box.width(), (p.y() - box.top()) / box.height());
}

// A letter as the course writes it: among its table, from where strokes.tsv starts it.
struct Animation
{
    std::vector<QImage> frames;
    Mask letter; // its letter picture at the animation's size
};

Animation animation(const QString &text, const QStringList &kin, const QTemporaryDir &dir)
{
    const QString gif = dir.filePath("w.gif"), png = dir.filePath("w.png");
    pictures::writeStrokeAnimation(text, gif, StrokeSize, kin, startsOf(text));
    pictures::writeLetterPicture(text, png, StrokeSize, kin);
    return {probe::frames(gif), Mask{QImage(png).convertToFormat(QImage::Format_RGB32)}};
}

// The pen's strokes as the frames show them: its tip frame by frame, split where it
// jumps further than it moves while writing (lifted to the next stroke). A lift to a
// stroke that starts near where the last one ended is not seen.
std::vector<QPolygonF> penStrokes(const std::vector<QImage> &frames)
{
    QPolygonF tips;
    for (std::size_t f = 0; f + 1 < frames.size(); ++f)
        tips << centreOf(frames[f], PenTip, 40).value_or(QPointF());
    std::vector<qreal> moves;
    for (int i = 1; i < tips.size(); ++i)
        moves.push_back(QLineF(tips[i - 1], tips[i]).length());
    if (moves.empty())
        return {tips};
    std::nth_element(moves.begin(), moves.begin() + moves.size() / 2, moves.end());
    const qreal lift = moves[moves.size() / 2] * 1.5;
    std::vector<QPolygonF> strokes{{tips.front()}};
    for (int i = 1; i < tips.size(); ++i) {
        if (QLineF(tips[i - 1], tips[i]).length() > lift)
            strokes.emplace_back();
        strokes.back() << tips[i];
    }
    return strokes;
}

// How far the stroke strays from the straight line between its ends.
qreal bend(const QPolygonF &stroke)
{
    const QPointF a = stroke.front(), d = stroke.back() - a;
    const qreal length = std::max(1e-9, std::hypot(d.x(), d.y()));
    qreal most = 0;
    for (const QPointF &p : stroke)
        most = std::max(most, std::abs(d.x() * (p.y() - a.y()) - d.y() * (p.x() - a.x())) / length);
    return most;
}

} // namespace

// Every letter of the course, as strokes.tsv starts it: the pen starts on the middle of
// a stroke (not on its edge), leaves ink only inside the letter, writes it over several
// frames, finishes as the letter picture, and the tracing guide's start dot marks where
// it started.
TEST(StrokeWriting, EveryLetterIsWrittenAlongItsStrokesFromWhereTheGuideSaysToStart)
{
    QTemporaryDir dir;
    for (const Kind &kind : Kinds) {
        const QStringList kin = tableTexts(kind.file, kind.column);
        ASSERT_GE(kin.size(), 10) << kind.file.toStdString();
        for (const QString &text : kin) {
            const std::string name = text.toStdString();
            const auto [frames, letter] = animation(text, kin, dir);
            QMovie movie(dir.filePath("w.gif"));
            ASSERT_TRUE(movie.isValid()) << name;
            ASSERT_GE(frames.size(), 10u) << name;

            for (std::size_t f = 0; f < 3; ++f) {
                const auto tip = centreOf(frames[f], PenTip, 40);
                ASSERT_TRUE(tip) << name << " frame " << f << " shows no pen";
                const int x = qRound(tip->x()), y = qRound(tip->y());
                int widest = 0;
                for (int dy = -8; dy <= 8; ++dy)
                    for (int dx = -8; dx <= 8; ++dx)
                        if (letter.at(x + dx, y + dy))
                            widest = std::max(widest, letter.depth(x + dx, y + dy));
                EXPECT_GE(letter.depth(x, y) * 2, widest)
                    << name << " frame " << f << ": the pen at " << x << "," << y
                    << " is not on the middle of a stroke";
            }

            int growing = 0;
            for (std::size_t f = 1; f + 1 < frames.size(); ++f) {
                const int before = countOf(frames[f - 1], Written, 30);
                growing += countOf(frames[f], Written, 30) > before ? 1 : 0;
                for (int y = 0; y < frames[f].height(); ++y) {
                    for (int x = 0; x < frames[f].width(); ++x) {
                        if (near(frames[f].pixel(x, y), Written, 30)) {
                            ASSERT_TRUE(letter.touches(x, y))
                                << name << " frame " << f << ": ink outside the letter at " << x
                                << "," << y;
                        }
                    }
                }
            }
            EXPECT_GE(growing, 5) << name << " is not written progressively";

            int off = 0;
            const QImage last = frames.back().convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < last.height(); ++y)
                for (int x = 0; x < last.width(); ++x)
                    off += near(last.pixel(x, y), letter.image.pixelColor(x, y), 16) ? 0 : 1;
            EXPECT_LT(off, last.width() * last.height() / 100)
                << name << ": the written letter is not its letter picture";

            // The start dot, on the guide, where the pen starts relative to the letter.
            const QString png = dir.filePath("t.png");
            pictures::writeTracingPicture(text, 1, png, TracingSize, kin, startsOf(text));
            const QImage dotted = QImage(png).convertToFormat(QImage::Format_RGB32);
            pictures::writeTracingPicture(text, 2, png, TracingSize, kin, startsOf(text));
            const QImage plain = QImage(png).convertToFormat(QImage::Format_RGB32);
            const auto dot = centreOf(dotted, QColor(40, 170, 70), 30);
            ASSERT_TRUE(dot) << name;
            QRect guide;
            for (int y = 0; y < plain.height(); ++y)
                for (int x = 0; x < plain.width(); ++x)
                    if (near(plain.pixel(x, y), GuideFill, 12))
                        guide |= QRect(x, y, 1, 1);
            // Where the pen starts, carried over onto the guide, in the guide's pixels.
            const QPointF onLetter = within(*centreOf(frames.front(), PenTip, 40), letter.bounds());
            const QPointF penOnGuide(guide.left() + onLetter.x() * guide.width(),
                                     guide.top() + onLetter.y() * guide.height());
            EXPECT_LE(QLineF(*dot, penOnGuide).length(), 4.0)
                << name << ": the start dot at " << dot->x() << "," << dot->y()
                << " is not where the pen starts, " << penOnGuide.x() << "," << penOnGuide.y();
        }
    }
}

// The pen writes all of the letter, as strokes.tsv starts it: what it has not written
// when the letter is left to hold (a stem's top, a stub, a blob at a line's end) would
// appear all at once.
TEST(StrokeWriting, ThePenWritesTheWholeLetterBeforeItHolds)
{
    QTemporaryDir dir;
    QStringList unwritten;
    for (const Kind &kind : Kinds) {
        const QStringList kin = tableTexts(kind.file, kind.column);
        for (const QString &text : kin) {
            const auto [frames, letter] = animation(text, kin, dir);
            ASSERT_GE(frames.size(), 3u) << text.toStdString();
            const QImage before = frames[frames.size() - 2].convertToFormat(QImage::Format_RGB32);
            // The pen's tip rests on the last of the ink, its rim blended with it.
            const QPointF tip = centreOf(before, PenTip, 40).value_or(QPointF(-99, -99));
            const qreal rim = std::sqrt(countOf(before, PenTip, 40) / M_PI) + 1.5;
            int ink = 0, late = 0;
            for (int y = 0; y < before.height(); ++y) {
                for (int x = 0; x < before.width(); ++x) {
                    if (!letter.at(x, y))
                        continue;
                    ++ink;
                    if (QLineF(tip, QPointF(x, y)).length() <= rim)
                        continue;
                    const QRgb pixel = before.pixel(x, y);
                    const QColor done = letter.image.pixelColor(x, y);
                    late += near(pixel, done, 40) ? 0 : 1;
                }
            }
            ASSERT_GT(ink, 0) << text.toStdString();
            if (late * 50 > ink)
                unwritten << QStringLiteral("%1 %2%").arg(text).arg(100.0 * late / ink, 0, 'f', 1);
        }
    }
    EXPECT_TRUE(unwritten.isEmpty())
        << "first seen in the last frame: " << unwritten.join(", ").toStdString();
}

// A stem is written from its top down, not pushed up from where a curve meets it.
TEST(StrokeWriting, StemsAreWrittenTopDown)
{
    QTemporaryDir dir;
    const QStringList consonants = tableTexts("consonants.tsv", "letter");
    for (const QString text : {"ચ", "પ", "ય"}) {
        const auto [frames, letter] = animation(text, consonants, dir);
        const QRect box = letter.bounds();
        qreal rise = 0, longest = 0;
        std::optional<QPointF> was;
        for (std::size_t f = 0; f + 1 < frames.size(); ++f) {
            const auto tip = centreOf(frames[f], PenTip, 40);
            ASSERT_TRUE(tip) << text.toStdString();
            const bool onStem = tip->x() > box.left() + box.width() * 0.7;
            // A long move between two frames is the pen lifted to a new stroke.
            const bool drawn = was && QLineF(*was, *tip).length() < 12;
            rise = drawn && onStem && tip->y() < was->y() ? rise + was->y() - tip->y() : 0;
            longest = std::max(longest, rise);
            was = tip;
        }
        EXPECT_LT(longest, box.height() / 5.0)
            << text.toStdString() << ": the pen climbs the stem by " << longest;
    }
    // Every stroke of the course that is a stem alone, as strokes.tsv starts it.
    int stems = 0;
    for (const Kind &kind : Kinds) {
        const QStringList kin = tableTexts(kind.file, kind.column);
        for (const QString &text : kin) {
            const auto [frames, letter] = animation(text, kin, dir);
            for (const QPolygonF &stroke : penStrokes(frames)) {
                const QPointF run = stroke.back() - stroke.front();
                const qreal tall = std::abs(run.y());
                if (tall < letter.bounds().height() * 0.3 || std::abs(run.x()) > tall * 0.25 ||
                    bend(stroke) > tall * 0.15)
                    continue;
                ++stems;
                EXPECT_GT(run.y(), 0)
                    << text.toStdString() << ": a stem from " << stroke.front().x() << ","
                    << stroke.front().y() << " is written upwards";
            }
        }
    }
    EXPECT_GE(stems, 20); // the consonants' stems on the right, આ's and ઓ's, ◌ા's...
}

// Letters whose order is easily got wrong are written as a hand writes them, with their
// strokes.tsv rows where they have one.
TEST(StrokeWriting, LettersAreWrittenInTheOrderAHandWritesThem)
{
    QTemporaryDir dir;
    const QStringList consonants = tableTexts("consonants.tsv", "letter");
    const QStringList vowels = tableTexts("vowels.tsv", "letter");
    const auto start = [&](const QString &text, const QStringList &kin) {
        const auto [frames, letter] = animation(text, kin, dir);
        return within(centreOf(frames.front(), PenTip, 40).value_or(QPointF()), letter.bounds());
    };
    // ભ at its big curve, on the left, not at the bar in its middle.
    EXPECT_LT(start(QStringLiteral("ભ"), consonants).x(), 0.35);
    // ઓ and ઔ at the end of the hook at the top left, not in the loop below it.
    for (const QString text : {"ઓ", "ઔ"}) {
        const QPointF at = start(text, vowels);
        EXPECT_LT(at.x(), 0.2) << text.toStdString();
        EXPECT_LT(at.y(), 0.5) << text.toStdString();
    }
    // ક's crossbar is a stroke of its own: straight across the letter, nothing else.
    const auto [frames, letter] = animation(QStringLiteral("ક"), consonants, dir);
    const QRect box = letter.bounds();
    bool crossbar = false;
    for (const QPolygonF &stroke : penStrokes(frames)) {
        const QPointF run = stroke.back() - stroke.front();
        crossbar = crossbar || (std::abs(run.x()) > box.width() * 0.55 &&
                                std::abs(run.y()) < std::abs(run.x()) && bend(stroke) < 3);
    }
    EXPECT_TRUE(crossbar) << "no stroke of ક is its crossbar alone";
}

// A wide letter is not drawn smaller than its neighbours: the part it shares with them
// stands as tall.
TEST(StrokeWriting, LettersOfOneKindShareOneGlyphSize)
{
    QTemporaryDir dir;
    const auto height = [&](const QString &text, const QStringList &kin) {
        const QString png = dir.filePath("h.png");
        pictures::writeLetterPicture(text, png, LetterSize, kin);
        return Mask{QImage(png).convertToFormat(QImage::Format_RGB32)}.bounds().height();
    };
    const QStringList vowels = tableTexts("vowels.tsv", "letter");
    const QStringList consonants = tableTexts("consonants.tsv", "letter");
    const QStringList numerals = tableTexts("numerals.tsv", "numeral");
    const int a = height(QStringLiteral("અ"), vowels);
    EXPECT_NEAR(height(QStringLiteral("આ"), vowels), a, 1);
    EXPECT_NEAR(height(QStringLiteral("અઃ"), vowels), a, 1);
    EXPECT_NEAR(height(QStringLiteral("જ"), consonants), height(QStringLiteral("ક"), consonants),
                1);
    EXPECT_NEAR(height(QStringLiteral("૧૦"), numerals), height(QStringLiteral("૧"), numerals), 1);
    // And they are still large: the shared size is not a shrunk one for all.
    EXPECT_GT(a, LetterSize.height() / 4);
}

// Where the usual order is wrong the table names where each stroke starts.
TEST(StrokeWriting, NamedStartMovesThePen)
{
    QTemporaryDir dir;
    const QString usual = dir.filePath("u.gif"), turned = dir.filePath("t.gif");
    pictures::writeStrokeAnimation(QStringLiteral("૮"), usual, StrokeSize);
    pictures::writeStrokeAnimation(QStringLiteral("૮"), turned, StrokeSize, {},
                                   QStringLiteral("se"));
    const auto from = centreOf(probe::frames(usual).front(), PenTip, 40);
    const auto to = centreOf(probe::frames(turned).front(), PenTip, 40);
    ASSERT_TRUE(from && to);
    EXPECT_GT(to->y(), from->y() + 20) << "the pen should start at the bottom end";
}
