#pragma once

#include "tests/support/FakeSoundBackend.h"
#include "tests/support/TempProgramFolder.h"

#include <QString>

#include <gtest/gtest.h>
#include <memory>

// A program folder, sounds that end when the test says, and the users database
// open with one learner, "Asha", logged in at a stored level of the test's choice.
class MainWindowFixture : public ::testing::Test
{
protected:
    MainWindowFixture();
    ~MainWindowFixture() override;

    // Stores the learner's level (LevelAt), as a pass would.
    static void storeLevel(int level);

    TempProgramFolder folder;
    std::unique_ptr<FakeSoundBackend::Installation> sounds = FakeSoundBackend::install();
};
