// The spelling window's controls, placed as designed (twips).
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"

namespace {

constexpr quint32 DarkBlue = 0x800000;
constexpr quint32 Blue = 0xFF0000;

} // namespace

void frmLevel10::createControls()
{
    words::setUpWindow(*this);

    lblHeading = words::makeLabel(this, QStringLiteral("Spelling Exercise"), 0, 120, 7725, 420,
                                  words::headingFont());
    lblHeading->setAlignment(Qt::AlignCenter);
    controls::setForeColor(*lblHeading, DarkBlue);
    lblTest = words::makeLabel(this, QString(), 0, 600, 7725, 420, words::headingFont());
    lblTest->setAlignment(Qt::AlignCenter);
    controls::setForeColor(*lblTest, Blue);
    lblTest->hide();
    lblDisplayText =
        words::makeLabel(this, QStringLiteral("Click the Sound buttons below to Learn the Words"),
                         0, 1440, 7695, 375, controls::timesNewRoman(15.75, true));
    lblDisplayText->setAlignment(Qt::AlignCenter);

    words::createTypedCells(*this, 2520);
    words::createRows(*this, {3120, 7080}, [this](int row) { cmdWordSound_Click(row); });

    cmdExit = words::makeButton(this, QStringLiteral("&Main Menu"), 1800);
    cmdRepeatWord = words::makeButton(this, QStringLiteral("&Repeat Word"), 3120);
    cmdRepeatWord->hide();
    cmdStartTest = words::makeButton(this, QStringLiteral("&Start Test"), 4560);
    cmdNextWord = words::makeButton(this, QStringLiteral("&Next Word"), 6000);
    cmdNextWord->hide();
    cmdMarkTest = words::makeButton(this, QStringLiteral("&Mark Test"), 6000);
    cmdMarkTest->hide();
    cmdStartNewTest = words::makeButton(this, QStringLiteral("Start &New Test"), 4320, 1815);
    cmdStartNewTest->hide();

    createSoundPlayer();

    m_test.connectButtons();
    connect(cmdRepeatWord, &controls::SSCommand::Click, this, [this] { m_test.repeat(); });
}
