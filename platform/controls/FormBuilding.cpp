#include "platform/controls/FormBuilding.h"

#include "platform/controls/AniGif.h"
#include "platform/core/BgrColor.h"
#include "platform/core/Paths.h"

#include <QPalette>
#include <QWidget>

namespace controls {

QFont timesNewRoman(qreal points, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setForeColor(QWidget &widget, quint32 bgr)
{
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, platform::fromBgr(bgr));
    widget.setPalette(colours);
}

AniGif *makeAnimation(QWidget *parent, int left, int top, int width, int height, bool autoPlay)
{
    auto *animation = new AniGif(parent);
    animation->Move(left, top, width, height);
    animation->setAutoPlay(autoPlay);
    return animation;
}

void showAnimation(AniGif &animation, const QString &storedPath)
{
    animation.setStartFrame(0);
    animation.ReadGIF(platform::AppPath() + storedPath);
    animation.show();
}

} // namespace controls
