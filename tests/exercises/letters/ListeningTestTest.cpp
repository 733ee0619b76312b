#include "exercises/letters/listening/ListeningTest.h"

#include <gtest/gtest.h>

namespace {

using listening::ListeningTest;
using Step = ListeningTest::Step;

// Hears the next question out and answers it, right or wrong.
void answerNext(ListeningTest &test, bool right)
{
    const int letter = test.ask();
    test.soundEnded();
    test.answer(right ? letter : letter % 4 + 1);
}

// The mark is read once a test, at its last answer: the test is judged by
// the mark in force when it ends, and what it shows cannot disagree with
// what it stores.
TEST(ListeningTest, ThePassMarkIsReadOnceAtTheLastAnswer)
{
    int mark = 3;
    int reads = 0;
    ListeningTest test(3, [&] {
        ++reads;
        return mark;
    });
    test.newTest(4);
    answerNext(test, true);
    answerNext(test, true);
    EXPECT_EQ(test.step(), Step::Answered);
    EXPECT_EQ(reads, 0);
    mark = 2;
    answerNext(test, false);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(test.step(), Step::Passed);
    EXPECT_EQ(test.rightAnswers(), 2);
    EXPECT_FALSE(test.undo()) << "a marked test keeps its answers";

    test.newTest(4);
    EXPECT_EQ(test.step(), Step::Ready);
    while (!test.finished())
        answerNext(test, false);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(test.step(), Step::Failed);
}

} // namespace
