#include "platform/controls/AniGif.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/controls/SoundPlayer.h"
#include "platform/controls/TracingBox.h"
#include "platform/core/Paths.h"
#include "platform/services/ProgramEnd.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/modMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/ProgramEndCatcher.h"
#include "tests/support/ScreenSizeDouble.h"
#include "tests/support/TitleBarClose.h"

#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include <cstdlib>

namespace {

using InformationScreen = MainWindowFixture;

TEST(InformationText, HasSixParagraphsThenAContactBlockOfFiveIndentedLines)
{
    const QString text = frmMain::InformationText();
    // Every line break is CR LF.
    EXPECT_EQ(text.count(QLatin1Char('\r')), text.count(QStringLiteral("\r\n")));
    EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));

    const QStringList blocks = text.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(blocks.size(), 6); // paragraphs 1+2, 3, 4, 5, 6, the contact block
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(blocks[i].contains(QStringLiteral("\r\n"))) << i;
        EXPECT_FALSE(blocks[i].trimmed().isEmpty()) << i;
    }
    // The first two paragraphs run on: the first ends with a space.
    EXPECT_TRUE(blocks[0].contains(QRegularExpression(QStringLiteral("\\. [A-Z]"))));
    EXPECT_TRUE(blocks[0].contains(QStringLiteral("free")));
    EXPECT_TRUE(blocks[1].contains(QStringLiteral("textbooks")));
    EXPECT_TRUE(blocks[2].contains(QStringLiteral("computer")));
    EXPECT_TRUE(blocks[3].contains(QStringLiteral("easier")));

    const QStringList contact = blocks[5].split(QStringLiteral("\r\n"));
    ASSERT_EQ(contact.size(), 5);
    for (const QString &line : contact) {
        EXPECT_TRUE(line.startsWith(QStringLiteral("\t       "))) << line.toStdString();
        EXPECT_NE(line.at(8), QLatin1Char(' ')) << line.toStdString();
    }
    EXPECT_TRUE(contact[3].contains(QStringLiteral("@example.org")));
    EXPECT_TRUE(contact[4].contains(QStringLiteral("example.org")));
    EXPECT_FALSE(text.endsWith(QStringLiteral("\r\n")));
}

TEST_F(InformationScreen, LoadingWritesTheTextAndMainScreenWritesItAgain)
{
    frmMain form;
    form.Load();
    EXPECT_EQ(form.txtInformation->Text(), frmMain::InformationText());
    EXPECT_TRUE(form.txtInformation->Locked());
    // Shown with one line break for each CR LF.
    EXPECT_EQ(form.txtInformation->toPlainText(),
              QString(frmMain::InformationText()).replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_FALSE(form.Label1->text().isEmpty());

    form.txtInformation->setText(QStringLiteral("changed"));
    form.MainScreen();
    EXPECT_EQ(form.txtInformation->Text(), frmMain::InformationText());
}

TEST_F(InformationScreen, MainScreenLeavesTheLessonFace)
{
    storeLevel(3);
    frmMain form;
    form.Load();
    // The lesson face, as a lesson leaves it.
    form.ssPnlInfo->hide();
    form.mnuFile->menuAction()->setVisible(false);
    form.mnuHelp->menuAction()->setVisible(false);
    form.setBackColor(0xFFC0C0);
    for (QWidget *w :
         std::initializer_list<QWidget *>{form.pnl3dLetter, form.cmdBack, form.cmdNext,
                                          form.cmdClear, form.AnimClick, form.Instruction2})
        w->show();
    for (TracingBox *box : form.pictureBoxes())
        box->show();
    form.aniLogo->hide();
    form.aniClick2->hide();
    const int heightBefore = form.Height();

    form.MainScreen();

    EXPECT_TRUE(form.ssPnlInfo->Visible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.mnuHelp->menuAction()->isVisible());
    EXPECT_EQ(form.BackColor(), 0xC0E0FFu);
    for (QWidget *w :
         std::initializer_list<QWidget *>{form.pnl3dLetter, form.cmdBack, form.cmdNext,
                                          form.cmdClear, form.AnimClick, form.Instruction2})
        EXPECT_TRUE(w->isHidden());
    for (TracingBox *box : form.pictureBoxes())
        EXPECT_TRUE(box->isHidden());
    EXPECT_TRUE(form.aniLogo->Visible());
    EXPECT_TRUE(form.aniClick2->Visible());
    EXPECT_EQ(form.Height(), heightBefore);
    // The menus follow the stored level again.
    EXPECT_TRUE(form.mnuFileExercise1Item[2]->isEnabled());
    EXPECT_FALSE(form.mnuFileExercise1Item[3]->isEnabled());
}

TEST_F(InformationScreen, TheStartUpSoundLoopsOnItsEnd)
{
    frmMain form;
    form.Load();
    folder.addFile(QStringLiteral("sounds/ohm.mp3"));
    form.IntroSound->Open(platform::AppPath() + QStringLiteral("\\sounds\\ohm.mp3"));
    form.IntroSound->Play();
    FakeSoundBackend *sound = FakeSoundBackend::of(*form.IntroSound);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->playCount(), 1);

    for (int end = 1; end <= 3; ++end) {
        sound->finish();
        QTRY_COMPARE_WITH_TIMEOUT(sound->playCount(), end + 1, 2000);
        EXPECT_TRUE(sound->isPlaying());
        EXPECT_FALSE(form.playDone()); // done only inside the handler
    }
    EXPECT_TRUE(sound->openFile().endsWith(QStringLiteral("sounds/ohm.mp3")));
}

TEST_F(InformationScreen, ClosingTheWindowOnTheInformationScreenEndsTheProgram)
{
    frmMain form;
    form.Show();
    ProgramEndCatcher end;
    EXPECT_THROW(closeFromTitleBar(form), ProgramEnded);
    EXPECT_EQ(end.count(), 1);
    // The users database was closed on the way out.
    EXPECT_EQ(modMain::gRsUsers, nullptr);
    EXPECT_EQ(modMain::gConn, nullptr);
}

using InformationScreenDeathTest = MainWindowFixture;

TEST_F(InformationScreenDeathTest, ClosingTheWindowEndsTheProcessForReal)
{
    frmMain form;
    form.Show();
    EXPECT_EXIT(
        {
            services::setProgramEndHandler({});
            closeFromTitleBar(form);
            std::abort(); // not reached: the close ended the process with code 0
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(InformationScreen, ClosingTheWindowDuringALessonReturnsToTheInformationScreen)
{
    frmMain form;
    form.Show();
    form.ssPnlInfo->hide();
    form.pnl3dLetter->show();
    form.mnuFile->menuAction()->setVisible(false);
    form.mnuHelp->menuAction()->setVisible(false);
    form.AnimationPictureA->show();

    ProgramEndCatcher end;
    closeFromTitleBar(form);
    EXPECT_FALSE(end.ended());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.mnuFile->menuAction()->isVisible());
    EXPECT_TRUE(form.ssPnlInfo->Visible());
    EXPECT_TRUE(form.pnl3dLetter->isHidden());
    // The lesson's media were reset on the way.
    EXPECT_TRUE(form.AnimationPictureA->isHidden());
    EXPECT_TRUE(form.AnimClick->fileName().endsWith(QStringLiteral("/Animation/click.gif")));
    EXPECT_NE(modMain::gConn, nullptr);
}

} // namespace
