#pragma once

#include "tests/support/FakeSoundBackend.h"
#include "tests/support/LessonLevel.h"
#include "tests/support/TempProgramFolder.h"

#include <QPixmap>

#include <gtest/gtest.h>
#include <memory>

// A program folder with the order test's own media, sounds that end when the
// test says, and one learner, "Asha", logged in.
class OrderFixture : public ::testing::Test
{
protected:
    OrderFixture();
    ~OrderFixture() override;

    // Letters 1..count of a level, each picture in a colour of its own, loaded
    // into the letter list with the learner stored at that level.
    void loadLevel(int level, int count);
    static void storeLevel(int level);
    static int storedLevel();

    // The letter (1..N) a picture shows; 0 for none.
    static int letterShown(const QPixmap &picture);

    TempProgramFolder folder;
    std::unique_ptr<FakeSoundBackend::Installation> sounds = FakeSoundBackend::install();
    LessonLevel media;
};
