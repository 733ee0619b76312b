#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QMovie>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QSize ExampleSize(129, 169);

QImage inside(const QImage &card)
{
    return card.copy(card.rect().adjusted(4, 4, -4, -4));
}

} // namespace

TEST(ExampleAnimation, EmojiShowsInColourAndMovesGently)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("dog.gif");
    pictures::writeExampleAnimation(QStringLiteral("\U0001F415"), 1, path, ExampleSize);

    QMovie movie(path);
    ASSERT_TRUE(movie.isValid());
    EXPECT_GE(movie.frameCount(), 8);
    const auto frames = probe::frames(path);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front().size(), ExampleSize);
    EXPECT_GT(probe::inkCount(inside(frames.front())), 2000) << "the picture is nearly blank";
    EXPECT_GT(probe::colourfulCount(frames.front()), 500) << "the emoji is not in colour";

    // Gently: frames differ, but only a little of the picture changes between them.
    const QImage &a = frames[0];
    const QImage &b = frames[frames.size() / 2];
    EXPECT_NE(a, b);
    EXPECT_LT(std::abs(probe::inkCount(a) - probe::inkCount(b)), probe::inkCount(a) / 4);
}

TEST(ExampleAnimation, NumeralsShowThatManyCopies)
{
    QTemporaryDir dir;
    for (const int count : {1, 3, 5, 10}) {
        const QString path = dir.filePath("apples.gif");
        pictures::writeExampleAnimation(QStringLiteral("\U0001F34E"), count, path, ExampleSize);
        const auto frames = probe::frames(path);
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(probe::blobCount(inside(frames.front()), Qt::white, 40), count);
    }
}

TEST(ExampleAnimation, EmojiOfSeveralCharactersIsOnePicture)
{
    // A keycap (digit, variation selector, enclosing keycap) split among fonts would show
    // as a digit beside an empty box.
    QTemporaryDir dir;
    const QString path = dir.filePath("one.gif");
    pictures::writeExampleAnimation(QStringLiteral("1\uFE0F\u20E3"), 1, path, ExampleSize);
    const auto frames = probe::frames(path);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(probe::blobCount(inside(frames.front()), Qt::white, 40), 1);
    EXPECT_GT(probe::inkCount(inside(frames.front())), 4000);
}

TEST(ExampleAnimation, RefusesAnEmojiTheFontCannotDrawAndNonsenseCounts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.gif");
    EXPECT_THROW(pictures::writeExampleAnimation(QStringLiteral("\u0A95"), 1, path, ExampleSize),
                 std::runtime_error);
    EXPECT_THROW(
        pictures::writeExampleAnimation(QStringLiteral("\U0001F34E"), 0, path, ExampleSize),
        std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(WordStrip, WordIsShownAndSweptOverThenRests)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("word.gif");
    const QSize size(129, 49);
    pictures::writeWordStrip(QStringLiteral("\u0A95\u0AC2\u0AA4\u0AB0\u0ACB"), path, size);
    const auto frames = probe::frames(path);
    ASSERT_GE(frames.size(), 6u);
    EXPECT_EQ(frames.front().size(), size);
    const QImage text = inside(frames.back());
    EXPECT_GT(probe::inkCount(text), 300);
    EXPECT_GT(probe::inkBounds(text).width(), size.width() / 2) << "the word is too small";
    // The sweep is a colour passing over the same word: shape stays, colours change.
    EXPECT_NE(frames[frames.size() / 2], frames.back());
    const auto warm = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() > 90 && c.blue() < 90 ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(warm(frames[frames.size() / 2]), 20);
    EXPECT_EQ(warm(frames.back()), 0);
}
