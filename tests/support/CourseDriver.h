#pragma once

#include "tests/support/FakeSoundBackend.h"
#include "tests/support/MessageBoxScript.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QWidget;
class frmLevel25;
class frmListening;
class frmMain;
class frmTest;

// A learner who plays the course through its real windows, on a program
// folder of its own: its users database a copy, the level databases and the
// media those of a program folder the build made. The program starts as it
// starts, the
// learner is created at the login with "New", each level is chosen from the
// File menu or reached from the level before, and every test is answered
// right. Sounds end as soon as they start, unless the driver is told to
// leave the program's own back end in (a benchmark measuring the program as
// it runs): then they last as long as that back end makes them, and what
// the numbers' rows play is not checked. Message boxes are answered from
// the driver's script: a pass announces itself as the learner sees it, and
// a box nobody expected fails the test. Every window met must fit on the
// screen.
//
//     CourseDriver course(programFolder);
//     course.startAsNewLearner("Ravi", "pw");
//     for (int level = 1; level <= 25; level = course.lastDone() + 1)
//         course.play(level);
class CourseDriver final
{
public:
    enum class Sounds
    {
        EndAtOnce, // the double: every playback ends from the event loop
        Real,      // the program's own back end
    };

    explicit CourseDriver(const QString &programFolder, Sounds sounds = Sounds::EndAtOnce);
    ~CourseDriver();
    Q_DISABLE_COPY_MOVE(CourseDriver)

    // The splash, the login and its "New": the learner is created, logs in
    // and the main window comes up on its information screen.
    void startAsNewLearner(const QString &name, const QString &password);
    frmMain &main() const;

    // Plays a level: its lessons when the main window already shows them
    // (the level before led there), else its File-menu item; then its test,
    // answered right, and whatever the pass leads on to by itself, until the
    // learner is back at the main window.
    void play(int level);
    // The File-menu item of a level, chosen.
    void choose(int level);
    // The lesson on screen to its last letter, then "&Test".
    void throughLesson();

    // The exercise items of the File menu, one per level (1..25 at 0..24).
    std::vector<QAction *> levelItems() const;
    // The enabled ones, as level numbers.
    std::vector<int> enabledLevels() const;
    // The level whose lessons the main window shows; 0 on the information
    // screen.
    int lessonShown() const;

    // Order tests are answered backwards this many times, then left; the
    // boxes they show are the test's to expect.
    void setOrderMistakes(int count) { m_orderMistakes = count; }

    // Called for each level whose test was done, once the program has gone
    // on from it: the next test or lessons are up, or the main window is back.
    std::function<void(int level)> afterLevel;
    // Called with each window as it comes up, before anything in it is
    // answered: the login, the new-learner dialog, the main window, each
    // level's lesson, each exercise window and each keyboard test. The event
    // loop may run in it.
    std::function<void(QWidget &window, const QString &name)> onShown;
    // The highest level done so far.
    int lastDone() const { return m_lastDone; }
    // The learner's program folder: its own users database, the rest linked
    // to the folder the driver was given.
    QString folder() const { return m_folder.path(); }
    // The caption of each exercise window, in the order they came up.
    const QStringList &captions() const { return m_captions; }
    MessageBoxScript &boxes() { return m_boxes; }

private:
    void copyProgramFolder(const QString &from);
    void answerModal();
    void answerOrderTest(frmTest &test);
    void answerListening(frmListening &test);
    void lookThroughChart(frmLevel25 &chart);
    void passOpenWindow();
    void passSpelling();
    void passNumbers();
    void passMaths();
    template <typename Window>
    void typeTestAndLeave(QPointer<Window> window,
                          const std::function<std::vector<int>(int question)> &keysOf);
    // The window came up: its caption noted, its fit on the screen checked.
    void met(QWidget &window, const QString &caption);
    // Hands the window to onShown, with the answering held meanwhile.
    void shown(QWidget &window, const QString &name);
    static void expectOnScreen(const QWidget &window, const QString &name);
    void done(int level);
    void flush();

    QTemporaryDir m_folder;
    std::unique_ptr<FakeSoundBackend::Installation> m_sounds;
    MessageBoxScript m_boxes;
    QTimer m_solver;
    int m_orderMistakes = 0;
    int m_pending = 0;
    int m_lastDone = 0;
    QStringList m_captions;
};
