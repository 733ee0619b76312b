#include "course/pictures/ShapedText.h"

#include <gtest/gtest.h>

using pictures::shapeGujarati;

// These catch text laid out character by character instead of shaped by the font.

TEST(ShapedText, ConjunctFormsOneLetterNotTwoSideBySide)
{
    const qreal ka = shapeGujarati(QStringLiteral("\u0A95")).ink.boundingRect().width();
    const qreal ssa = shapeGujarati(QStringLiteral("\u0AB7")).ink.boundingRect().width();
    const qreal kssa =
        shapeGujarati(QStringLiteral("\u0A95\u0ACD\u0AB7")).ink.boundingRect().width();
    EXPECT_LT(kssa, 0.8 * (ka + ssa));
}

TEST(ShapedText, VowelSignIStandsBeforeItsConsonant)
{
    // Drawn first, the sign's tall stem is the leftmost ink, rising above the consonant.
    const QRectF ka = shapeGujarati(QStringLiteral("\u0A95")).ink.boundingRect();
    const QPainterPath ki = shapeGujarati(QStringLiteral("\u0A95\u0ABF")).ink;
    const QRectF all = ki.boundingRect();
    QPainterPath leftStrip;
    leftStrip.addRect(QRectF(all.left() - 1, all.top() - 1, all.width() * 0.15, all.height() + 2));
    EXPECT_GT(ki.intersected(leftStrip).boundingRect().height(), ka.height() * 1.2);
}

TEST(ShapedText, DottedCircleUnderALoneSignIsKeptApart)
{
    const auto sign = shapeGujarati(QStringLiteral("\u25CC\u0ACB"));
    ASSERT_FALSE(sign.placeholder.isEmpty());
    ASSERT_FALSE(sign.ink.isEmpty());
    EXPECT_GT(sign.ink.boundingRect().right(), sign.placeholder.boundingRect().right())
        << "the sign o stands to the right of its carrier";
}

TEST(ShapedText, FittedTextStaysInsideItsBox)
{
    const QRectF box(10, 20, 100, 40);
    const auto word = pictures::fitInto(
        shapeGujarati(QStringLiteral("\u0AAE\u0AC0\u0AA3\u0AAC\u0AA4\u0ACD\u0AA4\u0AC0")), box);
    EXPECT_TRUE(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(word.bounds()));
}

TEST(ShapedText, TextWithoutAGlyphIsAnError)
{
    EXPECT_THROW(shapeGujarati(QStringLiteral("  ")), std::runtime_error);
    EXPECT_THROW(shapeGujarati(QString()), std::runtime_error);
}
