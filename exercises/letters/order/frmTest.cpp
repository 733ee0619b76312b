#include "exercises/letters/order/frmTest.h"

#include "exercises/letters/LeavingTest.h"
#include "exercises/letters/LetterMedia.h"
#include "exercises/letters/order/Congratulations.h"
#include "exercises/letters/order/OrderTestForms.h"
#include "exercises/letters/order/clsGujTest.h"
#include "platform/controls/AniGif.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/core/Paths.h"
#include "platform/forms/CenterForm.h"
#include "platform/forms/Screen.h"
#include "platform/services/MessageBoxStyle.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/Guarded.h"
#include "shell/modErrors.h"
#include "shell/modMain.h"

#include <QFileInfo>

#include <exception>

frmTest::frmTest(const order::OrderTestForm &design, QWidget *parent)
    : ExerciseForm(QString::fromLatin1(design.name), parent)
    , m_design(design)
{
    createControls();
}

frmTest::~frmTest() = default;

void frmTest::setNextLevelCaption(const QString &caption)
{
    cmdNextLevel->setCaption(caption);
}

void frmTest::Form_Load()
{
    guarded([this] {
        mblnDoNotDisplayMsgBox = false;
        mblnExit = true;

        // A level whose letters do not fill the tiles could never be
        // finished: it is missing level data, and ends the program as the
        // level readers do.
        if (modMain::gLetterCount != m_design.tiles) {
            forms::Screen::setMousePointer(forms::DefaultPointer);
            modMain::ShowMessageBox(this, resources::LoadResString(resources::str::NoLetters),
                                    services::MessageBoxStyle::Exclamation);
            modMain::CloseDatabaseAndEnd();
        }
        if (!exercises::letters::picturesServe(m_design.tiles)) {
            cannotOpen = true;
            return;
        }
        mobjGujTest = std::make_unique<clsGujTest>();

        const bool numbers = m_design.numberInstructionsAtVowels && servedLevel().numberInstruction;
        TestInstructions->setStartFrame(0);
        TestInstructions->ReadGIF(platform::ProgramPath(
            numbers ? QStringLiteral("\\Animation\\numbertestinstructions.gif")
                    : QStringLiteral("\\Animation\\testinstructions.gif")));
        TestInstructions->show();

        mobjGujTest->LoadLetters(*this, true);
        mobjGujTest->Initialise(*this);
        ArrangeFor800x600();
        forms::CenterForm(*this);
        cmdUndo->hide();
    });
}

void frmTest::Form_QueryUnload(bool &Cancel, int)
{
    handled([&] { exercises::letters::queryUnload(*this, Cancel); });
}

void frmTest::cmdExit_Click()
{
    // Tag stays as it is: leaving this way never counts as passed.
    handled([this] {
        if (exercises::letters::mayLeave(*this))
            Hide();
    });
}

void frmTest::cmdNextLevel_Click()
{
    handled([this] {
        setTag(QStringLiteral("Next Level"));
        Hide();
    });
}

void frmTest::ImgLetter_Click(int Index)
{
    handled([this, Index] {
        if (mobjGujTest && tileEnabled(Index))
            mobjGujTest->CheckIfCorrect(Index, *this, *this);
    });
}

void frmTest::cmdUndo_Click()
{
    handled([this] {
        if (mobjGujTest)
            mobjGujTest->Undo(*this);
    });
}

void frmTest::cmdReset_Click()
{
    handled([this] {
        if (mobjGujTest)
            mobjGujTest->Reset(*this);
    });
}

int frmTest::tileCount() const
{
    return int(ImgLetter.size());
}

QPixmap frmTest::tilePicture(int tile) const
{
    return ImgLetter.at(std::size_t(tile))->pixmap();
}

void frmTest::setTilePicture(int tile, const QPixmap &picture)
{
    ImgLetter.at(std::size_t(tile))->setPixmap(picture);
}

int frmTest::tileTag(int tile) const
{
    return m_tags.at(std::size_t(tile));
}

void frmTest::setTileTag(int tile, int letter)
{
    m_tags.at(std::size_t(tile)) = letter;
}

bool frmTest::tileEnabled(int tile) const
{
    return tile >= 0 && std::size_t(tile) < m_tileEnabled.size() &&
           m_tileEnabled[std::size_t(tile)];
}

// A chosen tile keeps its picture as it was; only its frame tells.
void frmTest::setTileEnabled(int tile, bool enabled)
{
    m_tileEnabled.at(std::size_t(tile)) = enabled;
}

void frmTest::setTileFrame(int tile, int bevel, quint32 backColor)
{
    controls::SSPanel *frame = pnlLetter.at(std::size_t(tile));
    frame->setBevelOuter(bevel);
    frame->setBevelInner(bevel);
    frame->setBackColor(backColor);
}

void frmTest::setAnswerPicture(int slot, const QPixmap &picture)
{
    PicResult.at(std::size_t(slot))->setPixmap(picture);
}

void frmTest::setAnswerVisible(int slot, bool visible)
{
    PicResult.at(std::size_t(slot))->setVisible(visible);
}

void frmTest::setOrderPicture(int slot, const QPixmap &picture)
{
    PicOrder.at(std::size_t(slot))->setPixmap(picture);
}

void frmTest::setCorrectOrderVisible(bool visible)
{
    Text1->setVisible(visible);
    pnlBlank4->setVisible(visible);
    pnlBlank5->setVisible(visible);
}

void frmTest::setUndoVisible(bool visible)
{
    cmdUndo->setVisible(visible);
}

void frmTest::setResetVisible(bool visible)
{
    cmdReset->setVisible(visible);
}

// Offered after the pass box: Enter pressed again goes on to the next level.
void frmTest::setNextLevelVisible(bool visible)
{
    cmdNextLevel->setVisible(visible);
    if (visible)
        cmdNextLevel->setFocus(Qt::OtherFocusReason);
}

void frmTest::stopInstructions()
{
    TestInstructions->Stop();
    TestInstructions->hide();
}

void frmTest::setDoNotDisplayMsgBox(bool on)
{
    mblnDoNotDisplayMsgBox = on;
}

void frmTest::message(const QString &text, int style)
{
    modMain::ShowMessageBox(this, text, style);
}

void frmTest::prepareReward(const QString &animationPath, const QString &soundPath)
{
    AnimCongrat->hide();
    // The one drawn for this window's tile block, where the folder has it:
    // any other would be stretched to the block's shape.
    const QString own = platform::ProgramPath(order::congratulationsFor(AnimCongrat->size()));
    AnimCongrat->ReadGIF(QFileInfo(own).isFile() ? own : animationPath);
    ApplauseSound->Open(soundPath);
    ApplauseSound->setVisible(false);
}

void frmTest::startReward()
{
    AnimCongrat->show();
    AnimCongrat->Play();
    ApplauseSound->Play();
}

void frmTest::stopReward()
{
    AnimCongrat->Stop();
    AnimCongrat->hide();
    ApplauseSound->Stop();
}
