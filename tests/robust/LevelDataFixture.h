#pragma once

#include "shell/mainwindow/frmMain.h"
#include "tests/shell/MainWindowFixture.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QString>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

class QAction;
class QWidget;

// One way a level database may have been damaged or edited by hand: applied
// to the copy of the one the build made. Nothing is the copy as it is.
struct Spoiling
{
    std::string name;
    std::function<void(TempProgramFolder &folder, int level)> apply;
};

namespace spoilings {

Spoiling nothing();
// The whole file.
Spoiling missing();
Spoiling empty(); // 0 bytes
Spoiling garbage();
Spoiling text();
// A statement run on the level's database.
Spoiling sql(std::string name, const QString &statement);
// The pass mark: no Exam table, no row, Null, 'abc' and 99.
std::vector<Spoiling> passMarks();

// Bytes that are no database, picture or sound, the same in every run.
QByteArray randomBytes();

} // namespace spoilings

struct LevelCase
{
    int level;
    Spoiling spoiling;
};

void PrintTo(const LevelCase &c, std::ostream *os);
std::string caseName(const LevelCase &c);

// A box, whom it was shown over, and how the main window stood then.
struct Box
{
    QWidget *owner;
    int style;
    QString text;
    bool homeScreenUp;
};

// What the learner met on choosing a level.
struct Choice
{
    bool ended = false;
    bool shown = false; // the level's window came up
    std::vector<Box> boxes;
    bool usersUnchanged = false;
};

// The main window with the learner at a level whose database is a spoilt
// copy of the one the build made, with the build's media linked into the
// program folder; the level chosen as the learner chooses it.
class LevelDataFixture : public MainWindowFixture
{
protected:
    LevelDataFixture();
    ~LevelDataFixture() override;

    // Spoils the level's copy and puts the learner at that level, on the
    // home screen with the menus open.
    void prepare(const LevelCase &c);
    // Runs the learner's choice; a modal window that comes up is seen and
    // closed, a modeless one is seen and deleted.
    Choice choose(const QString &form, const std::function<void()> &choice);
    // The window came up with no box when nothing was spoilt; else it never
    // did, and one error report came over the whole home screen. Either way
    // the program goes on, the users database is as it was and the level's
    // menu item stays open.
    void expectOutcome(const Choice &choice, const LevelCase &c, const QAction *item);

    frmMain main;
    ScreenSizeDouble screen{1024, 768};
    ModalWatchdog watchdog{30000};

private:
    void linkMedia();
    void copyLevel(int level);
};
