#pragma once

#include "bench/shots/ScreenshotSteps.h"
#include "shell/levels/LevelTable.h"
#include "shell/modMain.h"

#include <QString>

namespace shots {

// The level's window as the dispatcher opens it (stage, pool, caption),
// shown and taken as `out`-1-first.png.
template <typename Form> Form *openLevel(const levels::LevelRow &row, const QString &out)
{
    auto *form = new Form;
    form->NumberStage = row.numberStage;
    form->MAX_WORDS = row.maxWords;
    form->setDeleteOnUnload(true);
    form->Load();
    form->setCaption(QString::fromLatin1(row.caption));
    form->Show();
    waitFor(1000);
    saveScreen(out + "-1-first.png");
    return form;
}

// A test typed on the digit keypad, as the numbers and maths pictures show
// it: three answers (the second wrong) and the first digit of the fourth in
// `out`-2-test.png; then the fourth in full and the rest (the seventh
// wrong), marked. typeAnswer(form, digits, wrong) types the current
// question's answer up to that many digits, its last digit wrong if asked.
template <typename Form, typename TypeAnswer>
void shootDigitTest(Form &form, const QString &out, TypeAnswer typeAnswer)
{
    form.cmdStartTest->click();
    form.keyboard()->setHighlightPause(0);
    for (int q = 1; q <= 3; ++q) {
        typeAnswer(form, 3, q == 2);
        form.cmdNextWord->click();
    }
    typeAnswer(form, 1, false);
    waitFor(1000);
    saveScreen(out + "-2-test.png");

    form.keyboard()->cmdUndo->click();
    typeAnswer(form, 3, false);
    form.cmdNextWord->click();
    for (int q = 5; q <= 10; ++q) {
        typeAnswer(form, 3, q == 7);
        if (q < 10)
            form.cmdNextWord->click();
    }
    markAndShoot(form.cmdMarkTest, out);
}

// Logged in as `user` of the users database `usersDb`: the level's window
// opened, its test shot (shootDigitTest) and the window closed again.
template <typename Form, typename TypeAnswer>
void shootDigitLevel(const QString &usersDb, const QString &user, const levels::LevelRow &row,
                     const QString &out, TypeAnswer typeAnswer)
{
    modMain::gDbPath = usersDb;
    modMain::OpenUserDatabase();
    modMain::gUserName = user;
    modMain::SetLevel(-1);

    auto *form = openLevel<Form>(row, out);
    shootDigitTest(*form, out, typeAnswer);
    form->mblnDoNotDisplayMsgBox = true;
    form->Unload();
    waitFor(200);
    modMain::resetForTests();
}

} // namespace shots
