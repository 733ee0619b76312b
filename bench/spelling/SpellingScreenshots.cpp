// Pictures of the spelling window for a person to look at, taken from the
// whole screen so the keyboard beside the window and the score box show:
// the study page, the test with three answers and a word being typed, the
// score box, and the marked page.
//   spelling_screenshots <output folder> <name prefix> [program folder]
// With a program folder (one whose level 10 has its words) the pictures show
// its real content; without, a folder of the content tool's letters and
// made-up words.
// Run it under a real window system (an X server with a window manager).

#include "bench/lesson/LessonFolder.h"
#include "bench/shots/ScreenshotSteps.h"
#include "bench/spelling/SpellingFolder.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "exercises/keyboard/spelling/frmLevel10.h"
#include "exercises/keyboard/words/PictureCell.h"
#include "platform/controls/SSCommand.h"
#include "platform/core/Paths.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using shots::clickImage;
using shots::waitFor;

// Types the right spelling of the current question, held in its hidden
// correct row, from letter `from` up to letter `letters`, with its second
// letter wrong when asked.
void typeAnswer(frmLevel10 &form, int letters = 6, bool wrong = false, int from = 0)
{
    const frmLevel10::Row &correct =
        form.picWord[std::size_t(form.currentQuestion() + frmLevel10::Questions - 1)];
    for (int j = from; j < letters && j < frmLevel10::Cells; ++j) {
        const QString tag = correct[std::size_t(j)]->Tag();
        if (tag.isEmpty())
            break;
        int key = tag.toInt();
        if (wrong && j == 1)
            key = key % 34 + 1;
        clickImage(form.keyboard()->ImgLetter.at(std::size_t(key - 1)));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fputs("usage: spelling_screenshots <output folder> <name prefix> [program folder]\n",
                   stderr);
        return 64;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + "/" + QString::fromLocal8Bit(argv[2]);

    QTemporaryDir folder;
    if (argc == 4) {
        platform::setAppPath(QString::fromLocal8Bit(argv[3]));
        makeUsersDatabase(folder.filePath(QStringLiteral("Kelvo.kdt")), QStringLiteral("Asha"), 10);
    } else {
        makeSpellingFolder(folder.path(), QStringLiteral("Asha"));
        platform::setAppPath(folder.path());
    }
    modMain::gDbPath = folder.filePath(QStringLiteral("Kelvo.kdt"));
    modMain::OpenUserDatabase();
    modMain::gUserName = QStringLiteral("Asha");
    modMain::SetLevel(-1);

    auto *form = new frmLevel10;
    form->setDeleteOnUnload(true);
    form->Load();
    form->setCaption(QStringLiteral("Spelling"));
    form->Show();
    waitFor(1000);
    shots::saveScreen(out + "-1-study.png");

    form->cmdStartTest->click();
    form->keyboard()->setHighlightPause(0);
    for (int q = 1; q <= 3; ++q) {
        typeAnswer(*form, 6, q == 2);
        form->cmdNextWord->click();
    }
    typeAnswer(*form, 2);
    waitFor(1000);
    shots::saveScreen(out + "-2-test.png");

    typeAnswer(*form, 6, false, 2);
    form->cmdNextWord->click();
    for (int q = 5; q <= 10; ++q) {
        typeAnswer(*form);
        if (q < 10)
            form->cmdNextWord->click();
    }
    shots::markAndShoot(form->cmdMarkTest, out);
    form->Unload();
    waitFor(200);
    modMain::resetForTests();
    return 0;
}
