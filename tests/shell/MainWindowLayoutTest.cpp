#include "platform/controls/AniGif.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/controls/TracingBox.h"
#include "platform/core/Twips.h"
#include "shell/mainwindow/frmMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QWindow>

namespace {

using Rect = std::array<int, 4>; // Left, Top, Width, Height in twips

template <typename Control> Rect rectOf(const Control &control)
{
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

// Twips come back as whole pixels.
Rect onPixels(int left, int top, int width, int height)
{
    const QRect r = platform::twipsRect(left, top, width, height);
    return {platform::toTwips(r.x()), platform::toTwips(r.y()), platform::toTwips(r.width()),
            platform::toTwips(r.height())};
}

using MainWindowLayout = MainWindowFixture;

TEST_F(MainWindowLayout, OnA1024x768ScreenEveryControlStandsAsDesigned)
{
    ScreenSizeDouble screen(1024, 768);
    frmMain form;
    form.Load();

    EXPECT_EQ(form.formHeight(), 9930);
    // The client area below the menu bar.
    const QWidget *client = form.ssPnlInfo->parentWidget();
    EXPECT_EQ(client->size(), QSize(515, 608));
    EXPECT_EQ(client->y(), form.menuBar->height());

    EXPECT_EQ(rectOf(*form.ssPnlInfo), onPixels(0, 0, 7695, 9120));
    EXPECT_EQ(rectOf(*form.Label1), onPixels(0, 288, 7692, 492));
    EXPECT_EQ(rectOf(*form.SSPanel1), onPixels(1080, 840, 5580, 2270));
    EXPECT_EQ(rectOf(*form.ImgPic1), onPixels(120, 120, 1740, 2010));
    EXPECT_EQ(rectOf(*form.ImgPic2), onPixels(1920, 120, 1740, 2010));
    EXPECT_EQ(rectOf(*form.ImgPic3), onPixels(3720, 120, 1740, 2010));
    EXPECT_EQ(rectOf(*form.txtInformation), onPixels(480, 3360, 6735, 5535));
    EXPECT_EQ(rectOf(*form.aniLogo), onPixels(500, 7200, 1212, 1452));
    EXPECT_EQ(rectOf(*form.aniClick2), onPixels(120, 0, 435, 375));
    EXPECT_EQ(rectOf(*form.aniLoading), onPixels(5700, 8640, 1815, 225));
    EXPECT_EQ(rectOf(*form.pnl3dLetter), onPixels(2760, 240, 2055, 2655));
    EXPECT_EQ(rectOf(*form.ImgLetter), onPixels(120, 240, 1800, 2250));
    EXPECT_EQ(rectOf(*form.AnimationLetter), onPixels(120, 120, 1815, 2415));
    EXPECT_EQ(rectOf(*form.AnimationPictureA), onPixels(480, 360, 1935, 2535));
    EXPECT_EQ(rectOf(*form.AnimationPictureB), onPixels(5180, 360, 1935, 2535));
    EXPECT_EQ(rectOf(*form.AnimWordA), onPixels(480, 3000, 1935, 735));
    EXPECT_EQ(rectOf(*form.AnimWordB), onPixels(5180, 3000, 1935, 735));
    EXPECT_EQ(rectOf(*form.AnimClick), onPixels(3480, 3000, 825, 585));
    EXPECT_EQ(rectOf(*form.Picture1), onPixels(1080, 4080, 1680, 1680));
    EXPECT_EQ(rectOf(*form.Picture2), onPixels(2880, 4080, 1635, 1680));
    EXPECT_EQ(rectOf(*form.Picture3), onPixels(4680, 4080, 1680, 1680));
    EXPECT_EQ(rectOf(*form.Picture4), onPixels(1080, 5880, 1680, 1680));
    EXPECT_EQ(rectOf(*form.Picture6), onPixels(4680, 5880, 1680, 1680));
    EXPECT_EQ(rectOf(*form.Instruction2), onPixels(1500, 7920, 4815, 255));
    EXPECT_EQ(rectOf(*form.cmdBack), onPixels(240, 8640, 1455, 375));
    EXPECT_EQ(rectOf(*form.cmdClear), onPixels(2760, 8640, 2055, 375));
    EXPECT_EQ(rectOf(*form.cmdNext), onPixels(5880, 8640, 1455, 375));

    // The containers as designed.
    EXPECT_EQ(form.ImgPic2->parentWidget(), form.SSPanel1);
    EXPECT_EQ(form.SSPanel1->parentWidget(), form.ssPnlInfo);
    EXPECT_EQ(form.txtInformation->parentWidget(), form.ssPnlInfo);
    EXPECT_EQ(form.ImgLetter->parentWidget(), form.pnl3dLetter);
    EXPECT_EQ(form.AnimationLetter->parentWidget(), form.pnl3dLetter);
}

TEST_F(MainWindowLayout, TheWindowIsFixedWithoutMinimiseOrMaximise)
{
    ScreenSizeDouble screen(1024, 768);
    frmMain form;
    form.Load();
    EXPECT_EQ(form.BorderStyle(), forms::FixedSingle);
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST_F(MainWindowLayout, OnAn800x600ScreenTheCompactLayoutApplies)
{
    ScreenSizeDouble screen(800, 600);
    frmMain form;
    form.Load();

    EXPECT_EQ(form.formHeight(), 8550);
    EXPECT_EQ(form.Width(), platform::toTwips(platform::toPixels(7770)));
    EXPECT_EQ(form.Height(), 8550);

    EXPECT_EQ(rectOf(*form.ssPnlInfo), onPixels(0, 0, 7695, 7920));
    EXPECT_EQ(rectOf(*form.Label1), onPixels(0, 120, 7695, 495));
    EXPECT_EQ(rectOf(*form.SSPanel1), onPixels(1200, 600, 5145, 2025));
    EXPECT_EQ(rectOf(*form.ImgPic1), onPixels(120, 120, 1545, 1770));
    EXPECT_EQ(rectOf(*form.ImgPic2), onPixels(1800, 120, 1545, 1770));
    EXPECT_EQ(rectOf(*form.ImgPic3), onPixels(3480, 120, 1545, 1770));
    EXPECT_EQ(rectOf(*form.txtInformation), onPixels(360, 2760, 6735, 5055));
    EXPECT_EQ(rectOf(*form.aniLogo), onPixels(420, 6240, 1215, 1455));
    EXPECT_EQ(rectOf(*form.aniLoading), onPixels(5880, 7560, 1815, 225));
    EXPECT_EQ(rectOf(*form.AnimWordA), onPixels(480, 3000, 1935, 735));
    EXPECT_EQ(rectOf(*form.AnimWordB), onPixels(5180, 3000, 1935, 735));
    EXPECT_EQ(rectOf(*form.LetterLabel), onPixels(2880, 2880, 135, 630));
    EXPECT_EQ(rectOf(*form.AnimClick), onPixels(3480, 3000, 855, 615));
    const int lefts[] = {1320, 3120, 4920};
    const auto boxes = form.pictureBoxes();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(rectOf(*boxes[i]), onPixels(lefts[i % 3], i < 3 ? 3960 : 5640, 1170, 1170))
            << "Picture" << i + 1;
    // The instruction strip keeps its designed width.
    EXPECT_EQ(rectOf(*form.Instruction2), onPixels(1800, 7200, 4815, 255));
    EXPECT_EQ(rectOf(*form.cmdBack), onPixels(240, 7560, 1455, 375));
    EXPECT_EQ(rectOf(*form.cmdClear), onPixels(2880, 7560, 2055, 375));
    EXPECT_EQ(rectOf(*form.cmdNext), onPixels(5880, 7560, 1455, 375));

    // Untouched by the compact layout.
    EXPECT_EQ(rectOf(*form.pnl3dLetter), onPixels(2760, 240, 2055, 2655));
    EXPECT_EQ(rectOf(*form.AnimationPictureA), onPixels(480, 360, 1935, 2535));
    // Everything on the information screen still fits in the window.
    EXPECT_LE(form.ssPnlInfo->parentWidget()->y() + form.ssPnlInfo->geometry().bottom(),
              form.height());
}

// In the compact layout the rows close up, yet the example words keep clear
// of the tracing boxes below them and the logo stands inside the text box's
// frame.
TEST_F(MainWindowLayout, OnAn800x600ScreenTheWordsAndTheLogoKeepClearOfTheirNeighbours)
{
    ScreenSizeDouble screen(800, 600);
    frmMain form;
    form.Load();
    constexpr int Room = 4;
    for (const controls::AniGif *words : {form.AnimWordA, form.AnimWordB}) {
        for (const TracingBox *box : form.pictureBoxes())
            EXPECT_FALSE(words->geometry().adjusted(0, 0, 0, Room).intersects(box->geometry()))
                << "words at " << words->x() << ", box at " << box->x() << ", " << box->y();
    }
    const int frame = form.txtInformation->frameWidth();
    ASSERT_GT(frame, 0);
    const QRect insideFrame =
        form.txtInformation->geometry().marginsRemoved(QMargins(frame, frame, frame, frame));
    EXPECT_TRUE(insideFrame.contains(form.aniLogo->geometry()));
}

TEST_F(MainWindowLayout, OnAn800x600ScreenTheShownWindowFitsWithItsFrame)
{
    ScreenSizeDouble screen(800, 600);
    frmMain form;
    form.Load();
    form.Show();
    QApplication::processEvents();

    ASSERT_NE(form.frameGeometry().size(), form.size()) << "a frame is reported";
    EXPECT_EQ(form.Height(), 8550);
    EXPECT_EQ(form.Width(), 7770);
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(form.frameGeometry()));
    EXPECT_EQ(form.frameGeometry().top(), (600 - 570) / 2) << "centred with its frame";
    const QWidget *client = form.ssPnlInfo->parentWidget();
    EXPECT_LE(client->y() + form.ssPnlInfo->geometry().bottom(), form.height());
}

TEST_F(MainWindowLayout, TheMainWindowIsATopLevelWindowWithTheProgramIcon)
{
    frmMain form;
    form.Load();
    EXPECT_TRUE(form.ShowInTaskbar());
    EXPECT_EQ(form.windowType(), Qt::Window);
    form.Show();
    ASSERT_NE(form.windowHandle(), nullptr);
    EXPECT_EQ(form.windowHandle()->type(), Qt::Window);
    EXPECT_EQ(form.windowHandle()->transientParent(), nullptr);
    EXPECT_TRUE(form.testAttribute(Qt::WA_SetWindowIcon));
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_FALSE(form.windowHandle()->icon().isNull());
}

TEST_F(MainWindowLayout, OtherScreensKeepTheDesignedLayout)
{
    for (const QSize size : {QSize(640, 480), QSize(1280, 1024), QSize(1366, 768)}) {
        ScreenSizeDouble screen(size.width(), size.height());
        frmMain form;
        form.Load();
        EXPECT_EQ(form.formHeight(), 9930) << size.width();
        EXPECT_EQ(rectOf(*form.txtInformation), onPixels(480, 3360, 6735, 5535));
    }
}

TEST_F(MainWindowLayout, LoadingShowsTheInformationScreenAndHidesTheLesson)
{
    ScreenSizeDouble screen(1024, 768);
    frmMain form;
    form.Load();

    EXPECT_TRUE(form.ssPnlInfo->Visible());
    EXPECT_TRUE(form.aniLogo->Visible());
    EXPECT_TRUE(form.aniClick2->Visible());
    EXPECT_FALSE(form.aniLoading->Visible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.mnuHelp->menuAction()->isVisible());
    for (QWidget *lesson : std::initializer_list<QWidget *>{
             form.pnl3dLetter, form.AnimationLetter, form.AnimationPictureA, form.AnimationPictureB,
             form.AnimWordA, form.AnimWordB, form.AnimClick, form.LetterLabel, form.Instruction2,
             form.cmdBack, form.cmdClear, form.cmdNext})
        EXPECT_TRUE(lesson->isHidden()) << lesson->metaObject()->className();
    for (TracingBox *box : form.pictureBoxes()) {
        EXPECT_TRUE(box->isHidden());
        EXPECT_EQ(box->DrawWidth(), 8);
    }
    EXPECT_EQ(form.Picture1->BackColor(), 0xFF0000u);
    EXPECT_EQ(form.Picture2->BackColor(), 0xC000C0u);
    EXPECT_EQ(form.cmdBack->Caption(), QStringLiteral("&Back"));
    EXPECT_EQ(form.cmdClear->Caption(), QStringLiteral("&Clear"));
    EXPECT_EQ(form.cmdNext->Caption(), QStringLiteral("&Next"));
    EXPECT_EQ(form.pnl3dLetter->toolTip(), QStringLiteral("Click To View Animation"));
    EXPECT_EQ(form.ImgLetter->toolTip(), QStringLiteral("Click To View Animation"));
    EXPECT_FALSE(form.LetterSound->Visible());
    EXPECT_FALSE(form.PictureSoundB->Visible());

    // The logo animations come from the program folder.
    EXPECT_TRUE(form.aniLogo->fileName().endsWith(QStringLiteral("/Animation/logo.gif")));
    EXPECT_TRUE(form.aniClick2->fileName().endsWith(QStringLiteral("/Animation/click2.gif")));
    EXPECT_TRUE(form.aniLogo->fileName().startsWith(folder.path()));
    EXPECT_EQ(form.BackColor(), 0xC0E0FFu);
    EXPECT_EQ(form.ssPnlInfo->BackColor(), 0xC0E0FFu);
}

TEST_F(MainWindowLayout, TheInformationPicturesComeFromTheProgramFolderWhenPresent)
{
    QImage picture(40, 50, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString second = folder.addFile(QStringLiteral("pictures/info2.png"));
    ASSERT_TRUE(picture.save(second, "PNG"));

    frmMain form; // the first and third are missing: left empty, no error
    form.Load();
    EXPECT_TRUE(form.ImgPic1->pixmap().isNull());
    EXPECT_EQ(form.ImgPic2->pixmap().size(), QSize(40, 50));
    EXPECT_TRUE(form.ImgPic3->pixmap().isNull());
    EXPECT_TRUE(form.ImgPic2->hasScaledContents());
}

} // namespace
