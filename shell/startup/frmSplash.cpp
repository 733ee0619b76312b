#include "shell/startup/frmSplash.h"

#include "platform/core/Paths.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Screen.h"
#include "resources/Icons.h"
#include "shell/modMain.h"
#include "shell/startup/SplashPicture.h"

#include <QFileInfo>
#include <QImageReader>

#include <cmath>

namespace {

constexpr quint32 SplashBackColor = 0x80; // &HBBGGRR: deep red
constexpr int LargestKnownScreen = 5;
constexpr int OtherScreenHeight = 9960;
constexpr int OtherScreenWidth = 7800;

int roundedTwips(float twips)
{
    return int(std::lround(twips));
}

} // namespace

frmSplash::frmSplash(QWidget *parent)
    : Form(QStringLiteral("frmSplash"), parent)
    , imgSplash(new Image(this))
{
    setWindowIcon(resources::applicationIcon());
    setBorderStyle(forms::FixedSingle);
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    // A fixed border with neither caption nor control box has no title bar.
    setWindowFlag(Qt::FramelessWindowHint, true);
    setBackColor(SplashBackColor);
    setClientSize(6255, 6975);

    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->Move(0, 0, 6255, 6975);
    imgSplash->setScaledContents(true); // the picture stretches to the control
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load()
{
    SizeSplashToScreen();
    forms::CenterForm(*this);
    imgSplash->setPixmap(splashPicture(imgSplash->size()));
}

QSize frmSplash::splashSizeFor(int screenCode, int screenWidth, int screenHeight)
{
    if (screenCode < 0 || screenCode > LargestKnownScreen)
        return QSize(OtherScreenWidth, OtherScreenHeight);
    // Single precision, divided before it is multiplied, as the sizes were first worked out.
    const float height = float(screenHeight) / 100.0F * 85.0F;
    const float width = float(screenWidth) / 100.0F * 50.0F;
    return QSize(roundedTwips(width), roundedTwips(height));
}

void frmSplash::SizeSplashToScreen()
{
    const QSize size = splashSizeFor(modMain::GetScreenResolution(), forms::Screen::Width(),
                                     forms::Screen::Height());
    setHeight(size.height());
    setWidth(size.width());
    // The window's outer size, so the picture reaches just past the client
    // area and is clipped there.
    imgSplash->setHeight(Height());
    imgSplash->setWidth(Width());
}

QPixmap frmSplash::splashPicture(const QSize &size)
{
    const QString file = platform::ProgramPath(QStringLiteral("\\pictures\\splash.png"));
    if (QFileInfo(file).isFile()) {
        QImageReader reader(file);
        const QImage image = reader.read();
        if (!image.isNull())
            return QPixmap::fromImage(image);
    }
    return drawSplashPicture(size);
}
