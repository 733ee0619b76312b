#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

class frmMain;

// A learner in the course's real windows, with the real sound back end, on
// the program folder the build makes (the users database is the run's own).
// Message boxes are answered with their first button; letter-order tests are
// answered in the order learnt.
//
// The whole course: the acceptance tests' driver (tests/support/CourseDriver,
// on its way to main) is to play every level here, in playCourse() of
// MemoryBench.cpp; until then the levels below are what is played.
class CourseRun final
{
public:
    CourseRun();
    ~CourseRun();
    Q_DISABLE_COPY_MOVE(CourseRun)

    // Level 1's lessons through "&Next", then its letter-order test, passed.
    void playLetterLevel();
    // Level 10's spelling window from the menu: two study pages, then "E&xit".
    void playSpellingLevel();

    // Whatever went wrong, for the benchmark to report; empty when nothing.
    QString error() const { return m_error; }

private:
    void storeLevel(int level);
    void answerOrderTests();

    QTemporaryDir m_users;
    std::unique_ptr<frmMain> m_form;
    QTimer m_solver;
    QElapsedTimer m_testOpen; // since the letter-order test came up
    QString m_error;
};
