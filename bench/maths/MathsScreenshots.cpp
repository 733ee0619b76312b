// Pictures of the maths window for a person to look at, taken from the whole
// screen so the keypad beside the window and the score box show: the start
// page (-1-first), the test with three answers and one being typed, the score box, and
// the marked page.
//   maths_screenshots <output folder> <name prefix> <level 21..25> <program folder>
// The program folder is one whose maths levels have their digit keys (the
// build's own). Run it under a real window system (an X server with a window
// manager).

#include "bench/lesson/LessonFolder.h"
#include "bench/shots/DigitTestShots.h"
#include "exercises/keyboard/keyboards/frmKeyboard.h"
#include "exercises/keyboard/maths/frmLevel20.h"
#include "platform/controls/SSCommand.h"
#include "platform/controls/SSPanel.h"
#include "platform/core/Paths.h"
#include "shell/levels/LevelTable.h"
#include "shell/modMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using shots::clickImage;
using shots::waitFor;

// Types the current question's answer up to digit `digits`, its last digit
// wrong when asked.
void typeAnswer(frmLevel20 &form, int digits = 3, bool wrong = false)
{
    const QString answer = form.pnlAnswer.at(std::size_t(form.currentQuestion() - 1))->Caption();
    for (int j = 0; j < digits && j < answer.size(); ++j) {
        const int digit = answer[j].digitValue();
        const bool last = j + 1 == answer.size();
        clickImage(
            form.keyboard()->ImgLetter.at(std::size_t(wrong && last ? (digit + 1) % 10 : digit)));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int level = argc >= 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    const levels::LevelRow *row = levels::row(level);
    if (argc != 5 || row == nullptr || QString::fromLatin1(row->form) != "frmLevel20") {
        std::fputs("usage: maths_screenshots <output folder> <name prefix> <level 21..25> "
                   "<program folder>\n",
                   stderr);
        return 64;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + "/" + QString::fromLocal8Bit(argv[2]);

    QTemporaryDir folder;
    platform::setAppPath(QString::fromLocal8Bit(argv[4]));
    makeUsersDatabase(folder.filePath(QStringLiteral("Kelvo.kdt")), QStringLiteral("Asha"), level);
    shots::shootDigitLevel<frmLevel20>(folder.filePath(QStringLiteral("Kelvo.kdt")),
                                       QStringLiteral("Asha"), *row, out, typeAnswer);
    return 0;
}
