// Pictures of the numbers window for a person to look at, taken from the
// whole screen so the keypad beside the window and the score box show: the
// first page, the test with three answers and a number being typed, the
// score box, and the marked page.
//   numbers_screenshots <output folder> <name prefix> <level 15..20> [program folder]
// With a program folder (one whose numbers levels have their content) the
// pictures show its real content; without, a folder of drawn digits.
// Run it under a real window system (an X server with a window manager).

#include "bench/lesson/LessonFolder.h"
#include "bench/numbers/NumbersFolder.h"
#include "bench/shots/DigitTestShots.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "exercises/keyboard/numbers/frmLevel12.h"
#include "platform/controls/SSCommand.h"
#include "platform/core/Paths.h"
#include "shell/levels/LevelTable.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using shots::clickImage;
using shots::waitFor;

// Types the current question's number, held in its hidden correct row, up
// to digit `digits`, its last digit wrong when asked.
void typeAnswer(frmLevel12 &form, int digits = 3, bool wrong = false)
{
    const frmLevel12::Row &correct = form.picWord[std::size_t(form.currentQuestion() + 9)];
    for (int j = 0; j < digits && j < frmLevel12::Cells; ++j) {
        const QString tag = correct[std::size_t(j)]->Tag();
        if (tag.isEmpty())
            break;
        const bool last =
            j + 1 == frmLevel12::Cells || correct[std::size_t(j + 1)]->Tag().isEmpty();
        const int digit = wrong && last ? (tag.toInt() + 1) % 10 : tag.toInt();
        clickImage(form.keyboard()->ImgLetter.at(std::size_t(digit)));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int level = argc >= 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    const levels::LevelRow *row = levels::row(level);
    if ((argc != 4 && argc != 5) || row == nullptr ||
        QString::fromLatin1(row->form) != "frmLevel12") {
        std::fputs("usage: numbers_screenshots <output folder> <name prefix> <level 15..20> "
                   "[program folder]\n",
                   stderr);
        return 64;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + "/" + QString::fromLocal8Bit(argv[2]);

    QTemporaryDir folder;
    if (argc == 5) {
        platform::setAppPath(QString::fromLocal8Bit(argv[4]));
        makeUsersDatabase(folder.filePath(QStringLiteral("Kelvo.kdt")), QStringLiteral("Asha"),
                          level);
    } else {
        makeNumbersFolder(folder.path(), QStringLiteral("Asha"), level);
        platform::setAppPath(folder.path());
    }
    shots::shootDigitLevel<frmLevel12>(folder.filePath(QStringLiteral("Kelvo.kdt")),
                                       QStringLiteral("Asha"), *row, out, typeAnswer);
    return 0;
}
