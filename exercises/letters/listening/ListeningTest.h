#pragma once

#include <functional>
#include <vector>

namespace listening {

// One listening test and the rules it keeps: Q letters drawn at random and
// distinct from the letters that have a picture, asked one by one; a
// question takes its answer only once its sound has been heard through; the
// Q-th answer marks the test against the pass mark, read then. The window
// plays the sounds and shows what the step says.
class ListeningTest final
{
public:
    enum class Step
    {
        Ready,    // a test drawn, its first question not yet played
        Asking,   // a question played, not yet answered
        Answered, // a question answered, the next not yet played
        Passed,
        Failed,
    };

    // passMark gives the mark the Q-th answer is judged by (GetPassMark).
    ListeningTest(int questions, std::function<int()> passMark);

    // Draws a new test from letters 1..letters; a sound still playing goes on.
    void newTest(int letters);
    // Opens the next question: the number of the letter to play.
    int ask();
    // The open question's sound is played again; it stays answerable.
    void replay();
    // A playback has ended: the open question may be answered if it was its
    // own sound, not a replay that began before it.
    void soundEnded();

    bool takesAnswer() const;
    // Answers the open question with a letter number; whether it is the
    // letter that was played. The Q-th answer passes or fails the test.
    bool answer(int letter);
    // Takes back the last answer; its sound is still the one held, so the
    // question is open at once. False when there is no answer to take back.
    bool undo();

    Step step() const { return m_step; }
    bool finished() const { return m_step == Step::Passed || m_step == Step::Failed; }
    // A playback runs; nothing new may be played meanwhile.
    bool soundPlaying() const { return m_playing; }
    // Questions answered so far.
    int question() const { return m_question; }
    int questions() const { return m_questions; }
    // The letter numbers played for each question.
    const std::vector<int> &testLetters() const { return m_testLetters; }
    bool isRight(int question) const;
    int rightAnswers() const;

private:
    int drawLetter();

    int m_questions;
    std::function<int()> m_passMark;
    Step m_step = Step::Ready;
    std::vector<int> m_testLetters;
    std::vector<int> m_answers; // 0 = not answered
    std::vector<int> m_used;    // 1..N (element 0 unused), packed from 1; 0 = free
    int m_question = 0;
    bool m_heard = false;
    bool m_playing = false;
    // The question whose sound the player holds.
    int m_soundQuestion = -1;
};

} // namespace listening
