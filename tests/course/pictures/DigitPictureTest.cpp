#include "course/pictures/Pictures.h"
#include "tests/course/pictures/PictureProbe.h"

#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// As the program folder has them; the keypad shows them at 25 x 33, a row of
// numbers at 25 x 25.
const QSize DigitSize(50, 58);

QString numeral(int digit)
{
    return QString(QChar(0x0AE6 + digit));
}

int darkest(const QImage &image)
{
    int lightness = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            lightness = std::min(lightness, image.pixelColor(x, y).lightness());
    }
    return lightness;
}

} // namespace

TEST(DigitPicture, NumeralsAreLargeOnOneBaselineAndStayDarkAtBothShownSizes)
{
    QTemporaryDir dir;
    QList<QRect> inks;
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        const QString path = dir.filePath(QStringLiteral("digit%1.png").arg(digit));
        pictures::writeDigitPicture(numeral(digit), path, DigitSize);
        const QImage image(path);
        ASSERT_EQ(image.size(), DigitSize);
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
        const QRect ink = probe::inkBounds(image);
        EXPECT_TRUE(image.rect().adjusted(2, 2, -2, -2).contains(ink)) << "touches the edge";
        // Even ૦, the smallest, is half the picture tall.
        EXPECT_GE(ink.height(), DigitSize.height() / 2);
        inks << ink;
        for (const QSize shown : {QSize(25, 33), QSize(25, 25)}) {
            const QImage stretched =
                image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(darkest(stretched), 110) << shown.height() << ": the strokes wash out";
            EXPECT_GT(probe::inkCount(stretched), shown.width() * shown.height() / 8)
                << shown.height();
        }
    }
    // One scale: the widest numerals nearly fill the width. One baseline:
    // ૧, ૨, ૩, ૫ and ૭ end together.
    int widest = 0;
    for (const QRect &ink : inks)
        widest = std::max(widest, ink.width());
    EXPECT_GE(widest, DigitSize.width() * 7 / 10);
    for (int digit : {2, 3, 5, 7})
        EXPECT_NEAR(inks.at(digit).bottom(), inks.at(1).bottom(), 1) << digit;
    EXPECT_LT(inks.at(0).height(), inks.at(4).height());
}

TEST(DigitPicture, AnythingButOneNumeralIsRefused)
{
    QTemporaryDir dir;
    for (const QString &text :
         {QStringLiteral("\u0AE7\u0AE8"), QStringLiteral("5"), QStringLiteral("\u0A95"), QString()})
        EXPECT_THROW(pictures::writeDigitPicture(text, dir.filePath("x.png"), DigitSize),
                     std::runtime_error)
            << text.toStdString();
}
