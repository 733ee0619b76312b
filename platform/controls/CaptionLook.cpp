#include "platform/controls/CaptionLook.h"

#include "platform/text/KeyText.h"

#include <QFontMetricsF>

namespace controls {
namespace {

constexpr qreal SmallestPoints = 6.0;

bool fits(const QFont &font, const QString &text, const QSize &space, int flags)
{
    const QFontMetricsF metrics(font);
    const QRectF box(0, 0, space.width(), space.height());
    const QRectF needed = metrics.boundingRect(box, flags, text);
    if (needed.width() > space.width() + 0.5)
        return false;
    // One line may overhang a little above and below; it is clipped as the
    // designed fonts were. More lines must fit.
    const bool oneLine = needed.height() < 1.5 * metrics.lineSpacing();
    return oneLine || needed.height() <= space.height() + 0.5;
}

} // namespace

CaptionLook captionLook(const QString &caption, const QFont &font)
{
    if (font.family().compare(text::KeyFontName, Qt::CaseInsensitive) != 0)
        return {caption, font, false};
    QFont gujarati = font;
    gujarati.setFamily(text::GujaratiFontFamily);
    return {text::toUnicode(caption), gujarati, true};
}

QFont fittedFont(const QFont &font, const QString &text, const QSize &space, int flags)
{
    QFont fitted = font;
    if (text.isEmpty() || space.isEmpty() || fitted.pointSizeF() <= 0)
        return fitted;
    while (!fits(fitted, text, space, flags) && fitted.pointSizeF() > SmallestPoints)
        fitted.setPointSizeF(qMax(SmallestPoints, fitted.pointSizeF() * 0.92));
    return fitted;
}

} // namespace controls
