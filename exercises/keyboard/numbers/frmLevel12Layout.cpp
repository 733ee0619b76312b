// The numbers window's controls, placed as designed (twips).
#include "exercises/keyboard/numbers/frmLevel12.h"
#include "platform/controls/FormBuilding.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"

void frmLevel12::createControls()
{
    words::setUpWindow(*this);
    setCaption(QStringLiteral("Number Exercise"));

    lblHeading = words::makeLabel(this, QStringLiteral("Number Exercise"), 0, 240, 7725, 420,
                                  words::headingFont());
    lblHeading->setAlignment(Qt::AlignCenter);
    lblTest = words::makeLabel(this, QString(), -120, 720, 7725, 420, words::headingFont());
    lblTest->setAlignment(Qt::AlignCenter);
    lblTest->hide();
    lblDisplayText =
        words::makeLabel(this, QStringLiteral("Click the Sound buttons below to Learn the Numbers"),
                         0, 1560, 7695, 375, controls::timesNewRoman(15.75, true));
    lblDisplayText->setAlignment(Qt::AlignCenter);

    words::createTypedCells(*this, 3240);
    words::createRows(*this, {2040, 6000}, [this](int row) { cmdWordSound_Click(row); });

    cmdStartTest = words::makeButton(this, QStringLiteral("&Start Test"), 6000);
    cmdRepeatWord = words::makeButton(this, QStringLiteral("&Repeat Word"), 3120);
    cmdRepeatWord->hide();
    cmdExit = words::makeButton(this, QStringLiteral("&Main Screen"), 120);
    cmdNextWord = words::makeButton(this, QStringLiteral("&Next Number"), 6000);
    cmdNextWord->hide();
    cmdMarkTest = words::makeButton(this, QStringLiteral("&Mark Test"), 6000);
    cmdMarkTest->hide();
    cmdStartNewTest = words::makeButton(this, QStringLiteral("Start &New Test"), 5760, 1815);
    cmdStartNewTest->hide();

    createSoundPlayer();

    m_test.connectButtons();
    connect(cmdRepeatWord, &controls::SSCommand::Click, this, [this] { m_test.repeat(); });
}
