#include "platform/controls/CaptionLook.h"

#include "platform/text/KeyText.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

using controls::fittedFont;

QFont timesBold(qreal points)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

TEST(CaptionLook, ACaptionThatFitsKeepsItsSize)
{
    const QFont font = timesBold(12);
    EXPECT_DOUBLE_EQ(fittedFont(font, QStringLiteral("&Undo"), QSize(100, 25),
                                Qt::AlignCenter | Qt::TextShowMnemonic)
                         .pointSizeF(),
                     12.0);
}

TEST(CaptionLook, ACaptionTooWideForItsButtonIsMadeSmallerUntilItFits)
{
    const QFont font = timesBold(12);
    const QString caption = QStringLiteral("&Previous Letter");
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    const QFont fitted = fittedFont(font, caption, QSize(80, 25), flags);
    EXPECT_LT(fitted.pointSizeF(), 12.0);
    EXPECT_TRUE(fitted.bold());
    EXPECT_LE(QFontMetricsF(fitted).boundingRect(QRectF(0, 0, 80, 25), flags, caption).width(),
              80.5);
    // Smaller than six points is no longer readable: there it stops.
    EXPECT_DOUBLE_EQ(fittedFont(font, caption, QSize(10, 25), flags).pointSizeF(), 6.0);
}

TEST(CaptionLook, WrappedLinesMustFitTheHeightButOneLineMayOverhang)
{
    const QFont font = timesBold(12);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    // Two words that wrap in 40 pixels need two lines; 15 pixels hold one.
    const QString words = QStringLiteral("Correct Order");
    EXPECT_LT(fittedFont(font, words, QSize(40, 15), flags).pointSizeF(), 12.0);
    // One short word in a panel lower than its line keeps its size.
    EXPECT_DOUBLE_EQ(fittedFont(font, QStringLiteral("+"), QSize(40, 10), flags).pointSizeF(),
                     12.0);
}

TEST(CaptionLook, OnlyTheKeyFontTurnsKeyTextIntoGujarati)
{
    QFont key(QStringLiteral("sarvik"));
    key.setPointSizeF(27.75);
    key.setBold(true);
    const auto look = controls::captionLook(QStringLiteral("ik"), key);
    EXPECT_TRUE(look.keyText);
    EXPECT_EQ(look.text, QStringLiteral("કિ"));
    EXPECT_EQ(look.font.family(), text::GujaratiFontFamily);
    EXPECT_DOUBLE_EQ(look.font.pointSizeF(), 27.75);
    EXPECT_TRUE(look.font.bold());

    const auto plain = controls::captionLook(QStringLiteral("ik"), QFont(QStringLiteral("Arial")));
    EXPECT_FALSE(plain.keyText);
    EXPECT_EQ(plain.text, QStringLiteral("ik"));
}

} // namespace
