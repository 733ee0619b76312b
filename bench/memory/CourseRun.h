#pragma once

#include "tests/support/CourseDriver.h"
#include "tests/support/ModalWatchdog.h"
#include "tests/support/ScreenSizeDouble.h"

#include <QString>

#include <gtest/gtest-spi.h>
#include <memory>

// A new learner through the course's real windows, as the journey tests play
// it (tests/support/CourseDriver), on a copy of the program folder the build
// makes. The sounds go to the program's own back end, so that what is
// measured is what the program holds: with no sound server a playback lasts
// its length in silence. What the driver finds wrong is kept as the run's
// error instead of failing a test.
class CourseRun final
{
public:
    CourseRun();
    ~CourseRun();
    Q_DISABLE_COPY_MOVE(CourseRun)

    // From the login's "New" through every level to stored level 26.
    void playCourse();
    // Level 1's lessons and letter-order test, back to the main window; then
    // level 10's spelling test, typed on its keyboard, and back.
    void playRepeatedLevel();

    // The first thing that went wrong, for the benchmark to report; empty
    // when nothing did.
    QString error() const;

private:
    void play(int level);

    // Declared first: it collects the driver's failures for as long as the
    // driver lives, its end of run checks included.
    ::testing::TestPartResultArray m_failures;
    ::testing::ScopedFakeTestPartResultReporter m_reporter;
    ScreenSizeDouble m_screen{1024, 768};
    std::unique_ptr<ModalWatchdog> m_watchdog; // renewed for each level
    CourseDriver m_course;
    QString m_error;
};
