#pragma once

namespace keyboards {
struct KeyboardForm;
}

// What differs between the three keyboard test windows (spelling, numbers,
// maths) beyond their questions: the keyboard and its key set, the texts of
// the test, the order of score and pass, and how the learner may leave.
namespace words {

struct KeyboardTestForm
{
    const char *name; // the form name, by which the keyboard finds its cells
    const keyboards::KeyboardForm *keyboard;
    // An answer with fewer keys is refused, with one message on Next and
    // one on Mark.
    int fewestKeys;
    const char *tooFewOnNext;
    const char *tooFewOnMark;
    const char *progress; // "Test for Word ": the question and " of 10" follow
    // Spelling stores a pass before the score shows; the others show the
    // score first and store the pass once it is closed.
    bool storesBeforeScore;
    // Whether leaving an unmarked test asks string 113; spelling never asks.
    bool asksOnLeaving;
    // mblnExit once marked.
    bool exitAfterMarking;
};

extern const KeyboardTestForm SpellingTest;
extern const KeyboardTestForm NumbersTest;
extern const KeyboardTestForm MathsTest;

} // namespace words
