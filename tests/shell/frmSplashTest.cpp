#include "shell/startup/frmSplash.h"

#include "platform/core/BgrColor.h"
#include "platform/core/Twips.h"
#include "platform/forms/Forms.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/support/FakeSoundBackend.h"
#include "tests/support/PlannedMedia.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TempProgramFolder.h"

#include <QImage>

#include <gtest/gtest.h>
#include <memory>

namespace {

using platform::toPixels;

TEST(SplashSize, KnownScreensGive85PercentOfTheHeightAndHalfTheWidth)
{
    // (width, height) in twips for screens of the codes 0 to 5.
    EXPECT_EQ(frmSplash::splashSizeFor(0, 9600, 7200), QSize(4800, 6120));
    EXPECT_EQ(frmSplash::splashSizeFor(1, 12000, 9000), QSize(6000, 7650));
    EXPECT_EQ(frmSplash::splashSizeFor(2, 15360, 11520), QSize(7680, 9792));
    EXPECT_EQ(frmSplash::splashSizeFor(3, 17280, 12960), QSize(8640, 11016));
    EXPECT_EQ(frmSplash::splashSizeFor(4, 19200, 15360), QSize(9600, 13056));
    EXPECT_EQ(frmSplash::splashSizeFor(5, 24000, 18000), QSize(12000, 15300));
}

TEST(SplashSize, AnyOtherScreenGivesTheFixedSize)
{
    EXPECT_EQ(frmSplash::splashSizeFor(6, 20490, 11520), QSize(7800, 9960));
    EXPECT_EQ(frmSplash::splashSizeFor(6, 15360, 11520), QSize(7800, 9960));
}

class Splash : public ::testing::Test
{
protected:
    TempProgramFolder folder;
};

TEST_F(Splash, OnA1024By768ScreenItIsSizedCentredAndFilledByItsPicture)
{
    ScreenSizeDouble screen(1024, 768);
    frmSplash splash;
    splash.Load();

    const QSize outer(toPixels(7680), toPixels(9792)); // 512 x 653
    EXPECT_EQ(splash.frameGeometry().size(), outer);
    EXPECT_EQ(splash.imgSplash->geometry(), QRect(QPoint(0, 0), outer));
    EXPECT_EQ(splash.pos(), QPoint((1024 - 512) / 2, qRound((768 - 653) / 2.0)));
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(Splash, OnAnUnlistedScreenItTakesTheFixedSize)
{
    ScreenSizeDouble screen(1366, 768);
    frmSplash splash;
    splash.Load();
    EXPECT_EQ(splash.Height(), 9960);
    EXPECT_EQ(splash.Width(), 7800);
    EXPECT_EQ(splash.imgSplash->Height(), 9960);
    EXPECT_EQ(splash.imgSplash->Width(), 7800);
    EXPECT_EQ(splash.pos(), QPoint((1366 - 520) / 2, (768 - 664) / 2));
}

// The main window is built by the start-up once the login is on the screen,
// not while the splash is made ready.
TEST_F(Splash, LoadingItBuildsNoMainWindow)
{
    const auto sounds = FakeSoundBackend::install();
    modMain::resetForTests();
    ScreenSizeDouble screen(1024, 768);
    frmSplash splash;
    splash.Load();
    std::unique_ptr<frmMain> mainWindow(forms::Forms::find<frmMain>(QStringLiteral("frmMain")));
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_TRUE(splash.isLoaded());
    EXPECT_FALSE(splash.isVisible());
    modMain::resetForTests();
}

TEST_F(Splash, HasNoTitleBarAndADeepRedField)
{
    frmSplash splash;
    EXPECT_FALSE(splash.ControlBox());
    EXPECT_FALSE(splash.MinButton());
    EXPECT_FALSE(splash.MaxButton());
    EXPECT_EQ(splash.BorderStyle(), forms::FixedSingle);
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash.Caption().isEmpty());
    EXPECT_EQ(splash.BackColor(), 0x80u);
    EXPECT_EQ(splash.ScaleWidth(), 6255);
    EXPECT_EQ(splash.ScaleHeight(), 6975);
    EXPECT_TRUE(splash.imgSplash->hasScaledContents());
}

TEST_F(Splash, WithoutAPictureFileItDrawsOneForItsSize)
{
    ScreenSizeDouble screen(1024, 768);
    frmSplash splash;
    splash.Load();
    const QImage picture = splash.imgSplash->pixmap().toImage();
    ASSERT_EQ(picture.size(), splash.imgSplash->size());
    // Deep red at the edge, and the title drawn in a lighter colour in the middle band.
    const QColor corner = picture.pixelColor(2, 2);
    EXPECT_GT(corner.red(), 2 * corner.green());
    EXPECT_LT(corner.red(), 0xA0);
    int light = 0;
    const int titleRow = int(picture.height() * 0.4);
    for (int x = 0; x < picture.width(); ++x)
        light += picture.pixelColor(x, titleRow).green() > 0x90 ? 1 : 0;
    EXPECT_GT(light, 10);
}

TEST_F(Splash, APictureInTheProgramFolderIsShownStretched)
{
    QImage green(20, 30, QImage::Format_RGB32);
    green.fill(QColor(0, 200, 0));
    const QString file = folder.addFile(QStringLiteral("Pictures/Splash.PNG"));
    ASSERT_TRUE(green.save(file, "PNG"));

    ScreenSizeDouble screen(800, 600);
    frmSplash splash;
    splash.Load();
    const QImage shown = splash.imgSplash->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(20, 30));
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(0, 200, 0));
    EXPECT_EQ(splash.imgSplash->size(), QSize(toPixels(6000), toPixels(7650)));
    splash.show();
    EXPECT_EQ(splash.imgSplash->grab().toImage().pixelColor(200, 400), QColor(0, 200, 0));
}

TEST_F(Splash, AFileThatIsNoPictureFallsBackToTheDrawnOne)
{
    folder.addFile(QStringLiteral("pictures/splash.png"), QByteArray("not a picture"));
    frmSplash splash;
    splash.Load();
    EXPECT_EQ(splash.imgSplash->pixmap().size(), splash.imgSplash->size());
}

// The course's own splash picture, as the course tool draws it, keeps its
// shape on the splash of a 1024 x 768 and of an 800 x 600 screen.
TEST_F(Splash, TheCoursesPictureHasTheShapeItIsShownAt)
{
    writePlannedMedia(folder.path(), coursegen::MediaKind::Splash);
    for (const QSize screenSize : {QSize(1024, 768), QSize(800, 600)}) {
        SCOPED_TRACE(screenSize.width());
        ScreenSizeDouble screen(screenSize.width(), screenSize.height());
        frmSplash splash;
        splash.Load();
        const QSizeF drawn = splash.imgSplash->pixmap().size();
        const QSizeF shown = splash.imgSplash->size();
        ASSERT_FALSE(drawn.isEmpty());
        EXPECT_NEAR(drawn.width() / drawn.height(), shown.width() / shown.height(), 0.01);
        // Drawn no smaller than shown, so it is never blown up.
        EXPECT_GE(drawn.width(), shown.width());
    }
}

} // namespace
