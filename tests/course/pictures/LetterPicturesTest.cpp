#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QImage>
#include <QMovie>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <set>

namespace {

const QSize LetterSize(120, 150);
const QSize TracingSize(112, 112);

// A plain consonant, a conjunct, a syllable with a sign before the letter, a lone vowel
// sign on its dotted circle, and a numeral.
const QString Samples[] = {QStringLiteral("\u0A95"), QStringLiteral("\u0A9C\u0ACD\u0A9E"),
                           QStringLiteral("\u0A95\u0ABF"), QStringLiteral("\u25CC\u0ACB"),
                           QStringLiteral("\u0AE9")};

bool greenDot(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 140 && c.red() < 90 && c.blue() < 110)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(LetterPicture, LetterIsLargeAndWhollyInsideThePicture)
{
    QTemporaryDir dir;
    for (const QString &text : Samples) {
        const QString path = dir.filePath("letter.png");
        pictures::writeLetterPicture(text, path, LetterSize);
        const QImage image(path);
        ASSERT_EQ(image.size(), LetterSize) << text.toStdString();
        const QRect ink = probe::inkBounds(image);
        EXPECT_TRUE(image.rect().adjusted(3, 3, -3, -3).contains(ink))
            << text.toStdString() << " touches the edge";
        EXPECT_GT(ink.width(), LetterSize.width() / 3) << text.toStdString() << " is too small";
        EXPECT_GT(probe::inkCount(image), 600) << text.toStdString();
    }
}

TEST(LetterPicture, DifferentLettersGiveDifferentPicturesAndTheSameLetterTheSameBytes)
{
    QTemporaryDir dir;
    pictures::writeLetterPicture(QStringLiteral("\u0A95"), dir.filePath("ka1.png"), LetterSize);
    pictures::writeLetterPicture(QStringLiteral("\u0A95"), dir.filePath("ka2.png"), LetterSize);
    pictures::writeLetterPicture(QStringLiteral("\u0A96"), dir.filePath("kha.png"), LetterSize);
    EXPECT_EQ(probe::fileBytes(dir.filePath("ka1.png")), probe::fileBytes(dir.filePath("ka2.png")));
    EXPECT_NE(QImage(dir.filePath("ka1.png")), QImage(dir.filePath("kha.png")));
}

TEST(TracingPicture, SixDistinctGuidesOfTheLetterWithAStartDotOnOddVariants)
{
    QTemporaryDir dir;
    std::set<QByteArray> distinct;
    for (int variant = 1; variant <= 6; ++variant) {
        const QString path = dir.filePath(QStringLiteral("t%1.png").arg(variant));
        pictures::writeTracingPicture(QStringLiteral("\u0A95\u0ACD\u0AB7"), variant, path,
                                      TracingSize);
        const QImage image(path);
        ASSERT_EQ(image.size(), TracingSize);
        EXPECT_GT(probe::inkCount(image, Qt::white), 150) << "variant " << variant;
        EXPECT_TRUE(image.rect().adjusted(2, 2, -2, -2).contains(probe::inkBounds(image)));
        EXPECT_EQ(greenDot(image), variant % 2 == 1) << "variant " << variant;
        distinct.insert(probe::fileBytes(path));
    }
    EXPECT_EQ(distinct.size(), 6u);
}

TEST(TracingPicture, GuideIsLightEnoughToDrawOverInBlack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.png");
    pictures::writeTracingPicture(QStringLiteral("\u0A95"), 2, path, TracingSize);
    const QImage image(path);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ASSERT_GT(qGray(image.pixel(x, y)), 150) << "dark guide pixel at " << x << "," << y;
    }
}

TEST(LetterPicture, EmptySizeIsRefusedWithoutAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.png");
    EXPECT_THROW(pictures::writeLetterPicture(QStringLiteral("\u0A95"), path, QSize(0, 150)),
                 std::runtime_error);
    EXPECT_THROW(pictures::writeStrokeAnimation(QStringLiteral("\u0A95"), path, QSize()),
                 std::runtime_error);
    EXPECT_THROW(pictures::writeStrokeAnimation(QStringLiteral("\u0A95"), path, QSize(121, 161), {},
                                                QStringLiteral("up")),
                 std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(TracingPicture, VariantOutsideOneToSixIsRefused)
{
    QTemporaryDir dir;
    EXPECT_THROW(pictures::writeTracingPicture(QStringLiteral("\u0A95"), 0, dir.filePath("a.png"),
                                               TracingSize),
                 std::runtime_error);
    EXPECT_THROW(pictures::writeTracingPicture(QStringLiteral("\u0A95"), 7, dir.filePath("a.png"),
                                               TracingSize),
                 std::runtime_error);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.png")));
}
