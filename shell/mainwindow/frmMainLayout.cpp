// The main window's controls, placed as designed, and its compact layout.
#include "platform/controls/AniGif.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/controls/TracingBox.h"
#include "platform/core/Paths.h"
#include "platform/core/Twips.h"
#include "resources/Icons.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"

#include <QMenuBar>

namespace {

constexpr int ClientWidth = 7725;
constexpr int ClientHeight = 9120;

using controls::makeAnimation;
using controls::place;
using controls::setForeColor;
using controls::timesNewRoman;

frmMain::Image *makeImage(QWidget *parent, int left, int top, int width, int height)
{
    auto *image = new frmMain::Image(parent);
    image->setScaledContents(true);
    image->Move(left, top, width, height);
    return image;
}

// The pictures of the information screen ship in the program folder; a missing
// one leaves its place empty.
void loadPicture(frmMain::Image &image, const QString &storedPath)
{
    const QPixmap picture(platform::ProgramPath(storedPath));
    if (!picture.isNull())
        image.setPixmap(picture);
}

controls::SSCommand *makeButton(QWidget *parent, const QString &caption, int left, int width,
                                quint32 foreColor)
{
    auto *button = new controls::SSCommand(caption, parent);
    button->Move(left, 8640, width, 375);
    button->setFont(timesNewRoman(12, true));
    button->setForeColor(foreColor);
    button->hide();
    return button;
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : Form(QStringLiteral("frmMain"), parent)
{
    setWindowIcon(resources::applicationIcon());
    setShowInTaskbar(true);
    setBorderStyle(forms::FixedSingle);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(InfoBackColor);

    createMenus();
    m_client = new QWidget(this);
    createInformationScreen(m_client);
    createLesson(m_client);
    sizeInformationScreen();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    placeClientArea();
}

// A hidden window gets no resize event, so the sizes set while it loads
// place the client area themselves.
void frmMain::placeClientArea()
{
    const int barHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), barHeight);
    m_client->setGeometry(0, barHeight, width(), qMax(0, height() - barHeight));
}

// The information screen's own size, as at load: the designed client area
// below the menu bar, or the compact layout's outer size.
void frmMain::sizeInformationScreen()
{
    if (m_compact) {
        setWidth(7770);
        setHeight(8550);
    } else {
        setClientSize(ClientWidth, ClientHeight + platform::toTwips(menuBar->sizeHint().height()));
    }
    placeClientArea();
}

frmMain::~frmMain() = default;

void frmMain::createInformationScreen(QWidget *client)
{
    ssPnlInfo = new controls::SSPanel(client);
    ssPnlInfo->Move(0, 0, 7695, 9120);
    ssPnlInfo->setBackColor(InfoBackColor);

    Label1 = new Label(ssPnlInfo);
    Label1->Move(0, 288, 7692, 492);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(timesNewRoman(18, true));
    setForeColor(*Label1, 0x0000C0);
    Label1->setText(QStringLiteral("Ostrana Gujarati School"));

    SSPanel1 = new controls::SSPanel(ssPnlInfo);
    SSPanel1->Move(1080, 840, 5580, 2270);
    SSPanel1->setBackColor(0x000000);
    ImgPic1 = makeImage(SSPanel1, 120, 120, 1740, 2010);
    ImgPic2 = makeImage(SSPanel1, 1920, 120, 1740, 2010);
    ImgPic3 = makeImage(SSPanel1, 3720, 120, 1740, 2010);
    loadPicture(*ImgPic1, QStringLiteral("\\pictures\\info1.png"));
    loadPicture(*ImgPic2, QStringLiteral("\\pictures\\info2.png"));
    loadPicture(*ImgPic3, QStringLiteral("\\pictures\\info3.png"));

    txtInformation = new MultiLineText(ssPnlInfo);
    txtInformation->Move(480, 3360, 6735, 5535);
    txtInformation->setLocked(true);
    txtInformation->setBackColor(InfoBackColor);
    txtInformation->setFont(timesNewRoman(10.5, false));

    aniLogo = makeAnimation(ssPnlInfo, 500, 7200, 1212, 1452, true);
    aniClick2 = makeAnimation(ssPnlInfo, 120, 0, 435, 375, true);
    aniLoading = makeAnimation(ssPnlInfo, 5700, 8640, 1815, 225, true);
    aniLoading->hide();

    IntroSound = new controls::SoundPlayer(ssPnlInfo);
    connect(IntroSound, &controls::SoundPlayer::PlayFinished, this,
            &frmMain::IntroSound_PlayFinished);
}

void frmMain::createLesson(QWidget *client)
{
    const QString clickToView = QStringLiteral("Click To View Animation");
    pnl3dLetter = new controls::SSPanel(client);
    pnl3dLetter->Move(2760, 240, 2055, 2655);
    pnl3dLetter->setBackColor(0xC000C0);
    pnl3dLetter->setToolTip(clickToView);
    pnl3dLetter->hide();
    ImgLetter = makeImage(pnl3dLetter, 120, 240, 1800, 2250);
    ImgLetter->setToolTip(clickToView);
    AnimationLetter = makeAnimation(pnl3dLetter, 120, 120, 1815, 2415, false);
    AnimationLetter->hide();

    AnimationPictureA = makeAnimation(client, 480, 360, 1935, 2535, false);
    AnimationPictureB = makeAnimation(client, 5180, 360, 1935, 2535, false);
    AnimWordA = makeAnimation(client, 480, 3000, 1935, 735, true);
    AnimWordB = makeAnimation(client, 5180, 3000, 1935, 735, true);
    AnimClick = makeAnimation(client, 3480, 3000, 825, 585, true);

    LetterLabel = new Label(client);
    LetterLabel->Move(2880, 3000, 135, 630);
    LetterLabel->setFont(timesNewRoman(27.75, true));
    setForeColor(*LetterLabel, 0x800000);

    const int lefts[] = {1080, 2880, 4680};
    TracingBox **const boxes[] = {&Picture1, &Picture2, &Picture3, &Picture4, &Picture5, &Picture6};
    for (int i = 0; i < 6; ++i) {
        auto *box = new TracingBox(client);
        box->Move(lefts[i % 3], i < 3 ? 4080 : 5880, i == 1 ? 1635 : 1680, 1680);
        box->setBackColor(i % 2 == 0 ? 0xFF0000 : 0xC000C0);
        box->setDrawWidth(8);
        box->hide();
        *boxes[i] = box;
    }

    Instruction2 = makeAnimation(client, 1500, 7920, 4815, 255, true);
    Instruction2->hide();

    LetterSound = new controls::SoundPlayer(this);
    PictureSoundA = new controls::SoundPlayer(this);
    PictureSoundB = new controls::SoundPlayer(this);

    cmdBack = makeButton(client, QStringLiteral("&Back"), 240, 1455, 0xC000C0);
    cmdClear = makeButton(client, QStringLiteral("&Clear"), 2760, 2055, 0xC00000);
    cmdNext = makeButton(client, QStringLiteral("&Next"), 5880, 1455, 0xC000C0);
    connectLesson();
}

std::array<TracingBox *, 6> frmMain::pictureBoxes() const
{
    return {Picture1, Picture2, Picture3, Picture4, Picture5, Picture6};
}

void frmMain::ArrangeFor800x600()
{
    if (modMain::GetScreenResolution() != 1) {
        mintFormHeight = 9930;
        return;
    }
    m_compact = true;
    sizeInformationScreen();
    mintFormHeight = 8550;

    place(*ssPnlInfo, 0, 0, 7920, 7695);
    place(*Label1, 120, 0, 495, 7695);
    place(*SSPanel1, 600, 1200, 2025, 5145);
    place(*ImgPic1, 120, 120, 1770, 1545);
    place(*ImgPic2, 120, 1800, 1770, 1545);
    place(*ImgPic3, 120, 3480, 1770, 1545);
    place(*txtInformation, 2760, 360, 5055, 6735);
    // Inside the text box's frame, as in the designed layout, not on it.
    place(*aniLogo, 6240, 420, 1455, 1215);
    place(*aniLoading, 7560, 5880, 225, 1815);
    place(*AnimWordA, 3000, 480, 735, 1935);
    place(*AnimWordB, 3000, 5180, 735, 1935);
    place(*LetterLabel, 2880, 2880, 630, 135);
    place(*AnimClick, 3000, 3480, 615, 855);
    // The rows of boxes stand a little lower than the example words' strips
    // reach (3735), so the words keep clear of them.
    const int lefts[] = {1320, 3120, 4920};
    const auto boxes = pictureBoxes();
    for (int i = 0; i < 6; ++i)
        place(*boxes[i], i < 3 ? 3960 : 5640, lefts[i % 3], 1170, 1170);
    // The strip keeps its designed width: a width equal to its height would
    // show a sliver of the instruction.
    place(*Instruction2, 7200, 1800, 255, 4815);
    place(*cmdBack, 7560, 240, 375, 1455);
    place(*cmdClear, 7560, 2880, 375, 2055);
    place(*cmdNext, 7560, 5880, 375, 1455);
}
